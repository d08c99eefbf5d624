#include "launcher/item_launch.h"

#include "platform/desktop/desktop_platform.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The real folders and processes, with the message boxes written down instead of shown.
class RecordingPlatform : public DesktopPlatform {
public:
    RecordingPlatform() : DesktopPlatform(QDir::tempPath()) {}
    QStringList messages;
    int messageBox(const QString& text, int, const QString&) override
    {
        messages.push_back(text);
        return MsgAnswer::Ok;
    }
};

class ItemLaunch : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString base;
    QString record;
    QString recorder;
    QString saved = QDir::currentPath();
    RecordingPlatform platform;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        base = QDir(dir.path()).canonicalPath();
        record = base + "/record.txt";
        recorder = base + "/sub/rec";
        ASSERT_TRUE(writeFile(recorder, argumentRecorder(record), FileMode::Executable));
    }
    void TearDown() override { QDir::setCurrent(saved); }

    static ItemRec item(const QString& program, const QString& folder)
    {
        ItemRec r;
        r.Used = true;
        r.ProgName = program;
        r.InitDir = folder;
        return r;
    }
    // Where the started program found itself; empty when nothing started.
    QString startedIn(const ItemRec& r)
    {
        QFile::remove(record);
        launchItem(r, 0, platform);
        if (!platform.messages.isEmpty())
            return {};
        const QStringList lines = waitForLines(record);
        return lines.isEmpty() ? QString() : lines[0];
    }
};

TEST_F(ItemLaunch, RelativeFoldersStartWhereTheFolderChangeLeadsTo)
{
    ASSERT_TRUE(QDir::setCurrent(base));
    EXPECT_EQ(startedIn(item(recorder, "sub")), base + "/sub");
    EXPECT_EQ(QDir::currentPath(), base + "/sub");

    EXPECT_EQ(startedIn(item(recorder, "..")), base);
    EXPECT_EQ(QDir::currentPath(), base);

    // A program named relative to its folder is found there.
    EXPECT_EQ(startedIn(item("./rec", "sub")), base + "/sub");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
}

}  // namespace
