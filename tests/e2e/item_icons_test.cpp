#include "e2e/e2e_fixture.h"

#include "fixtures/icon_art.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/xdg_fixture.h"
#include "store/item_file.h"
#include "store/item_store.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

// Icons the program finds in real files on a page of its own: PE files by position and by
// resource ID, an .ico, a desktop entry, programs started by entries, and two fallbacks.
class ItemIcons : public E2eTest {
protected:
    QByteArray savedPath = qgetenv("PATH");
    QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
    QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");

    void TearDown() override
    {
        E2eTest::TearDown();
        qputenv("PATH", savedPath);
        qputenv("XDG_DATA_DIRS", savedDataDirs);
        qputenv("XDG_DATA_HOME", savedDataHome);
    }
};

struct Slot {
    QString file;
    int32_t iconNo;
    QString title;
    QColor expected; // the icon's body colour; invalid for the fallback
};

QPoint iconCentre(int slot)
{
    return {8 + 88 * (slot % 5) + 16, 8 + 72 * (slot / 5) + 16};
}

TEST_F(ItemIcons, OnePageShowsIconsFromEveryKindOfFile)
{
    const QString files = folder() + "/files";
    ASSERT_TRUE(QDir().mkpath(files));
    ASSERT_EQ(buildSamplePe(files, "sample.dll", PeKind::Pe32Plus), QString());
    ASSERT_EQ(buildSamplePe(files, "sample.exe", PeKind::Pe32), QString());
    const QColor orange(255, 140, 0), purple(128, 0, 160), brown(140, 80, 20), teal(0, 128, 128);
    ASSERT_TRUE(writeFile(files + "/orange.ico",
                          icoFileBytes({{drawIconArt(orange, 16), IcoEncoding::Bmp8},
                                        {drawIconArt(orange, 32), IcoEncoding::Bmp32}})));

    XdgFolder xdg(folder() + "/xdg");
    xdg.addThemeIcon("mosaro-e2e-viewer", purple);
    xdg.addThemeIcon("mosaro-e2e-script", brown);
    xdg.addThemeIcon("mosaro-e2e-native", teal);
    const QString viewer = xdg.addScript("viewer");
    const QString viewerEntry = xdg.addEntry("viewer", "viewer %F", "mosaro-e2e-viewer");
    const QString script = xdg.addScript("script-tool");
    xdg.addEntry("script-tool", script + " %U", "mosaro-e2e-script");
    const QString native = xdg.binDir() + "/native-tool";
    ASSERT_TRUE(writeFile(native, QByteArray("\x7f"
                                             "ELF\x02\x01\x01",
                                             7)
                                      + QByteArray(57, 0)));
    QFile::setPermissions(native, QFile::ReadOwner | QFile::ExeOwner);
    xdg.addEntry("native-tool", "native-tool", "mosaro-e2e-native");
    // Only our folders: the entries, the theme and the fallback never depend on this machine.
    qputenv("PATH", xdg.binDir().toLocal8Bit() + ":/usr/bin:/bin");
    qputenv("XDG_DATA_HOME", xdg.dataDir().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", xdg.dataDir().toLocal8Bit());

    const std::vector<Slot> page = {
        {files + "/sample.dll", 0, "PE 0", Qt::cyan},
        {files + "/sample.dll", 1, "PE 1", Qt::blue},
        {files + "/sample.exe", 2, "PE32 2", Qt::red},
        {files + "/sample.exe", -7, "ID 7", Qt::yellow},
        {files + "/sample.dll", -42, "ID 42", Qt::green},
        {files + "/orange.ico", 0, "ico", orange},
        {viewerEntry, 0, "desktop", purple},
        {script, 0, "script", brown},
        {native, 0, "ELF", teal},
        {files + "/missing.exe", 0, "missing", {}},
        {files + "/sample.dll", 5, "index 5", {}},
    };
    ItemStore store;
    for (size_t i = 0; i < page.size(); ++i) {
        ItemRec& r = store.ItemTbl(0, int16_t(i));
        r.Used = true;
        r.ProgName = r.IconFile = page[i].file;
        r.IconNo = page[i].iconNo;
        r.Title = page[i].title;
        r.ItemColor = NewItemColor;
    }
    writeDataFile(formatItemFile(store).bytes);

    start();
    const QString window = mainWindow();
    ASSERT_FALSE(window.isEmpty());
    // The first paint after mapping: the last slot shows its colour beside the icon.
    const int last = int(page.size()) - 1;
    const QPoint besideIcon(8 + 88 * (last % 5) + 70, 8 + 72 * (last / 5) + 8);
    ASSERT_EQ(waitForColour(window, besideIcon, QColor(0xE0, 0xE0, 0xE0)),
              QColor(0xE0, 0xE0, 0xE0));
    const QImage shot = captureWindow(server_->display(), window);
    ASSERT_FALSE(shot.isNull());
    shot.save(QDir::current().filePath("icons-page.png"));

    const QRgb slotColour = QColor(0xE0, 0xE0, 0xE0).rgb();
    for (size_t i = 0; i < page.size(); ++i) {
        const QPoint at = iconCentre(int(i));
        if (page[i].expected.isValid()) {
            EXPECT_EQ(shot.pixel(at), page[i].expected.rgb()) << page[i].title.toStdString();
        } else {
            EXPECT_NE(shot.pixel(at), slotColour) << page[i].title.toStdString();
        }
    }
    // Both fallbacks show the same generic program icon.
    const int fallbackA = int(page.size()) - 2, fallbackB = int(page.size()) - 1;
    EXPECT_EQ(shot.copy(QRect(iconCentre(fallbackA) - QPoint(16, 16), QSize(32, 32))),
              shot.copy(QRect(iconCentre(fallbackB) - QPoint(16, 16), QSize(32, 32))));
}

} // namespace
