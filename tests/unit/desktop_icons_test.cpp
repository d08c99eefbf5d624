#include "fixtures/xdg_fixture.h"
#include "platform/desktop/desktop_icons.h"
#include "platform/desktop/icon_source.h"
#include "platform/desktop/icon_themes.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

namespace {

// Two XDG data folders of our own, the first one first, with their programs on PATH and their
// hicolor theme as the only place icons are looked up.
class DesktopIcons : public ::testing::Test {
protected:
    QTemporaryDir root;
    XdgFolder first{root.filePath("first")};
    XdgFolder second{root.filePath("second")};
    QByteArray savedPath = qgetenv("PATH");
    QStringList savedSearchPaths = QIcon::themeSearchPaths();
    QString savedTheme = QIcon::themeName();

    void SetUp() override
    {
        qputenv("PATH", (first.binDir() + ":" + second.binDir()).toLocal8Bit());
        qputenv("XDG_DATA_HOME", first.dataDir().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", second.dataDir().toLocal8Bit());
        // As on a platform that names no theme: the XDG folders and hicolor are used.
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName({});
        useXdgIconThemes();
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath);
        QIcon::setThemeSearchPaths(savedSearchPaths);
        QIcon::setThemeName(savedTheme);
    }
    DesktopEntryIndex index() const
    {
        return DesktopEntryIndex::build({first.dataDir(), second.dataDir()});
    }
    static QColor centre(const QImage& image) { return image.pixelColor(16, 16); }
};

TEST_F(DesktopIcons, ProgramsShowTheIconOfTheEntryThatStartsThem)
{
    first.addThemeIcon("mosaro-test-editor", Qt::red);
    first.addThemeIcon("mosaro-test-tool", Qt::blue);
    const QString pictureFile = root.filePath("viewer.png");
    QImage green(32, 32, QImage::Format_ARGB32);
    green.fill(Qt::green);
    green.save(pictureFile);
    const QString editor = first.addScript("editor"); // found through PATH
    const QString viewer = second.addScript("viewer");
    const QString tool = first.addScript("tool");
    const QString bare = first.addScript("bare");
    first.addEntry("editor", "editor --new %F", "mosaro-test-editor");
    second.addEntry("viewer", "\"" + viewer + "\" %u", pictureFile);
    first.addEntry("tool", "/bin/sh -c tool", "mosaro-test-tool", "TryExec=tool\n");
    second.addEntry("nothing", "bare", ""); // an entry without an icon gives none

    // A native binary is known by its header, whatever its name.
    const QString elf = first.binDir() + "/elf-program";
    ASSERT_TRUE(writeFile(elf, QByteArray("\x7f"
                                          "ELF\x02\x01\x01",
                                          7)
                                   + QByteArray(64, '\0')));
    QFile::setPermissions(elf, QFile::ReadOwner | QFile::ExeOwner);
    first.addEntry("elf", "elf-program", "mosaro-test-tool");
    // A link to a program is that program.
    ASSERT_TRUE(QFile::link(editor, root.filePath("editor-link")));

    const DesktopEntryIndex programs = index();
    auto icon = [&](const QString& file, int32_t index = 0) {
        return extractIconImage(file, index, 32, programs);
    };
    EXPECT_EQ(centre(icon(editor)), QColor(Qt::red));
    EXPECT_EQ(centre(icon(root.filePath("editor-link"))), QColor(Qt::red));
    EXPECT_EQ(centre(icon(viewer)), QColor(Qt::green));
    EXPECT_EQ(centre(icon(tool)), QColor(Qt::blue)); // through TryExec
    EXPECT_EQ(centre(icon(elf)), QColor(Qt::blue));
    EXPECT_TRUE(icon(editor, 1).isNull());
    EXPECT_TRUE(icon(bare).isNull());
    EXPECT_TRUE(icon(first.addScript("unknown")).isNull());
}

TEST_F(DesktopIcons, EntriesShowTheirOwnIconAtIndexZero)
{
    first.addThemeIcon("mosaro-test-app", Qt::red);
    first.addScript("app"); // GIO ignores entries whose program is missing
    const QString themed = first.addEntry("app", "app", "mosaro-test-app");
    const QString withPath = first.addEntry("pic", "app", root.filePath("pic.png"));
    QImage yellow(48, 48, QImage::Format_ARGB32);
    yellow.fill(Qt::yellow);
    yellow.save(root.filePath("pic.png"));
    // Dash fallback of the theme rules: a missing specific name finds the generic one.
    const QString specific = first.addEntry("specific", "app", "mosaro-test-app-beta");
    const QString unknown = first.addEntry("unknown", "app", "mosaro-test-no-such-icon");
    const QString broken = first.dataDir() + "/applications/broken.desktop";
    ASSERT_TRUE(writeFile(broken, "this is not a desktop entry\n"));
    const QString chained = first.addEntry("chained", "app", themed); // never followed

    const DesktopEntryIndex programs = index();
    auto icon = [&](const QString& file, int32_t number = 0) {
        return extractIconImage(file, number, 32, programs);
    };
    EXPECT_EQ(centre(icon(themed)), QColor(Qt::red));
    EXPECT_EQ(icon(withPath).size(), QSize(32, 32));
    EXPECT_EQ(centre(icon(withPath)), QColor(Qt::yellow));
    EXPECT_EQ(centre(icon(specific)), QColor(Qt::red));
    EXPECT_TRUE(icon(themed, 1).isNull());
    EXPECT_TRUE(icon(themed, -1).isNull());
    EXPECT_TRUE(icon(unknown).isNull());
    EXPECT_TRUE(icon(broken).isNull());
    EXPECT_TRUE(icon(chained).isNull());
}

TEST_F(DesktopIcons, EarlierFoldersShadowEntriesAndTheFirstEntryForAProgramWins)
{
    first.addThemeIcon("mosaro-test-mine", Qt::red);
    first.addThemeIcon("mosaro-test-system", Qt::blue);
    first.addThemeIcon("mosaro-test-other", Qt::green);
    const QString program = first.addScript("shadowed");
    first.addEntry("shadowed", "shadowed", "mosaro-test-mine");
    second.addEntry("shadowed", "shadowed", "mosaro-test-system");
    // Same program from another entry ID in a later folder: the earlier folder decides.
    second.addEntry("also-shadowed", "shadowed", "mosaro-test-other");

    EXPECT_EQ(index().iconFor(program), QStringLiteral("mosaro-test-mine"));
    EXPECT_EQ(DesktopEntryIndex::build({second.dataDir()}).iconFor(program),
              QStringLiteral("mosaro-test-other")); // "also" sorts before "shadowed"
}

TEST_F(DesktopIcons, TheProcessIndexIsBuiltOnceAndNotRescanned)
{
    const DesktopEntryIndex& before = processDesktopEntryIndex();
    const QString late = first.addScript("late");
    first.addEntry("late", "late", "mosaro-test-late");
    EXPECT_EQ(&processDesktopEntryIndex(), &before);
    EXPECT_EQ(processDesktopEntryIndex().iconFor(late), QString());
    EXPECT_EQ(index().iconFor(late), QStringLiteral("mosaro-test-late"));
}

} // namespace
