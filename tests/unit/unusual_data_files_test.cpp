#include "store/durable_file.h"
#include "store/item_file.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class UnusualDataFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString dataFile() const { return dir.filePath("Mosaro.dat"); }

    // Loads with a deadline: a load that blocks is a failure, not a hung test run.
    LoadResult loadWithin(int seconds)
    {
        auto loading = std::async(std::launch::async, [this] {
            ItemStore store;
            return LoadItemFile(store, dir.path());
        });
        if (loading.wait_for(std::chrono::seconds(seconds)) == std::future_status::timeout) {
            ADD_FAILURE() << "loading the data file blocked";
            // Let a reader stuck on a pipe go: a writer that comes and goes ends its read.
            ::close(::open(QFile::encodeName(dataFile()).constData(), O_WRONLY | O_NONBLOCK));
        }
        return loading.get();
    }
};

TEST_F(UnusualDataFiles, FileThatIsNoRegularFileOrTooLargeIsUnreadable)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(dataFile()).constData(), 0600), 0);
    LoadResult result = loadWithin(10);
    EXPECT_EQ(result.status, LoadResult::Status::Unreadable);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_TRUE(QFile::remove(dataFile()));

    ASSERT_TRUE(QFile::link("/dev/zero", dataFile()));
    result = loadWithin(10);
    EXPECT_EQ(result.status, LoadResult::Status::Unreadable);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_TRUE(QFile::remove(dataFile()));

    // Far more than 20020 records of the longest texts could fill; sparse, so it costs no
    // disk, and never read.
    {
        QFile huge(dataFile());
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(64) << 30));
    }
    result = loadWithin(10);
    EXPECT_EQ(result.status, LoadResult::Status::Unreadable);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(QFileInfo(dataFile()).size(), qint64(64) << 30); // left as it was
}

TEST_F(UnusualDataFiles, TemporaryFilesOfKilledSavesAreRemovedAtLoad)
{
    const QStringList leftovers = {"Mosaro.dat.new-a1B2c3", "Mosaro.dat.new-XXXXXX"};
    const QStringList others = {"Mosaro.dat", "Mosaro.dat.new-a1B2c", "Mosaro.dat.new-a1B2c3d",
                                "Mosaro.dat.new-a1-2c3", "Mosaro.dat.new-a1B2c\u0663",
                                "Other.dat.new-a1B2c3",
                                "Mosaro.dat.20261207-103000.bak"};
    for (const QString& name : leftovers + others)
        ASSERT_TRUE(writeFile(dir.filePath(name), "0\r\n"));

    ItemStore store;
    EXPECT_EQ(LoadItemFile(store, dir.path()).status, LoadResult::Status::Loaded);
    QStringList expected = others;
    expected.sort();
    EXPECT_EQ(entriesOf(dir.path()), expected);
}

TEST(SaveErrorReasons, NameTheSystemErrorWhenThereIsNoJapaneseWordingForIt)
{
    const QString crossDevice = systemErrorReason(EXDEV);
    EXPECT_FALSE(crossDevice.startsWith(QStringLiteral("システムエラーです。")));
    EXPECT_TRUE(crossDevice.contains(QStringLiteral("ファイルシステム")));

    const QString unusual = systemErrorReason(EPROTO);
    EXPECT_TRUE(unusual.contains(QLatin1String("EPROTO"))) << unusual.toStdString();
    EXPECT_TRUE(unusual.contains(QString::fromLocal8Bit(std::strerror(EPROTO))));
}

} // namespace
