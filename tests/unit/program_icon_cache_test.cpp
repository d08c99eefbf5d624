#include "fixtures/xdg_fixture.h"
#include "platform/desktop/icon_themes.h"
#include "platform/desktop/program_icon_cache.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

#include <sys/time.h>

namespace {

// One XDG data folder whose hicolor theme is the only place icons are looked up, and a cache
// folder of our own.
class ProgramIconCache : public ::testing::Test {
protected:
    QTemporaryDir root;
    XdgFolder data{root.filePath("data")};
    QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    QStringList savedSearchPaths = QIcon::themeSearchPaths();
    QString savedTheme = QIcon::themeName();

    void SetUp() override
    {
        qputenv("XDG_CACHE_HOME", root.filePath("cache").toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.dataDir().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", data.dataDir().toLocal8Bit());
        useThemes();
    }
    void TearDown() override
    {
        qputenv("XDG_CACHE_HOME", savedCache);
        QIcon::setThemeSearchPaths(savedSearchPaths);
        QIcon::setThemeName(savedTheme);
    }
    // Set again, so the theme is searched afresh.
    static void useThemes()
    {
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName({});
        useXdgIconThemes();
    }
    QString themeFolder() const { return data.iconsDir() + "/hicolor"; }
    static void setTime(const QString& path, time_t seconds)
    {
        const timeval times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
    }
    // Gives the theme folder another modification time, as installing an icon does.
    void touchTheme(time_t seconds) const { setTime(themeFolder(), seconds); }
    // A new icon file, never mistaken for the one it replaces.
    void addIcon(QColor colour, time_t seconds) const
    {
        data.addThemeIcon("application-x-executable", colour);
        setTime(themeFolder() + "/32x32/apps/application-x-executable.png", seconds);
    }
    static QColor centre(const QImage& image) { return image.pixelColor(16, 16); }
};

TEST_F(ProgramIconCache, KeepsTheThemeIconUntilTheThemeChanges)
{
    addIcon(Qt::red, 1000000);
    touchTheme(1000000);
    const QImage first = cachedGenericProgramIcon(32);
    ASSERT_EQ(first.size(), QSize(32, 32));
    EXPECT_EQ(centre(first), QColor(Qt::red));
    EXPECT_TRUE(QFile::exists(root.filePath("cache/mosaro/program-icon-32.argb")));

    // The theme is not asked again while it looks unchanged: the kept icon is shown.
    const QString iconFile = themeFolder() + "/32x32/apps/application-x-executable.png";
    QFile::remove(iconFile);
    addIcon(Qt::blue, 3000000);
    touchTheme(1000000);
    useThemes();
    EXPECT_EQ(centre(cachedGenericProgramIcon(32)), QColor(Qt::red));

    // A changed theme is asked again, and its answer kept instead.
    touchTheme(2000000);
    useThemes();
    EXPECT_EQ(centre(cachedGenericProgramIcon(32)), QColor(Qt::blue));
    touchTheme(2000000);
    QFile::remove(iconFile);
    useThemes();
    EXPECT_EQ(centre(cachedGenericProgramIcon(32)), QColor(Qt::blue));

    // An unreadable cache file is replaced by the theme's answer.
    const QString kept = root.filePath("cache/mosaro/program-icon-32.argb");
    ASSERT_TRUE(writeFile(kept, "not a picture"));
    EXPECT_EQ(cachedGenericProgramIcon(32).size(), QSize(32, 32));
    const QByteArray whole = readFile(kept);
    EXPECT_GT(whole.size(), 32 * 32 * 4);
    // So is one cut short.
    ASSERT_TRUE(writeFile(kept, whole.chopped(1)));
    EXPECT_EQ(cachedGenericProgramIcon(32).size(), QSize(32, 32));
    EXPECT_EQ(readFile(kept), whole);
}

} // namespace
