// A full page redraw whose icons come from 20 PE files, and one whose 20 programs find their
// icons through desktop entries, each against drawing 20 ready-made icons into the slots.
#include "fixtures/icon_art.h"
#include "fixtures/pe_fixture.h"
#include "fixtures/xdg_fixture.h"
#include "launcher/mosaro.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/icon_themes.h"
#include "platform/widgets/pic_box.h"
#include "store/item_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QIcon>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int Slots = 20;

// The real platform, except that icons come ready-made from memory: the floor.
class ReadyIconPlatform : public DesktopPlatform {
public:
    ReadyIconPlatform() : DesktopPlatform(QDir::tempPath()) {}
    QHash<QString, QImage> icons;
    QImage extractIcon(const QString& fileName, int32_t, int pixelSize) override
    {
        const QImage& icon = icons[fileName];
        return icon.width() == pixelSize ? icon : icon.scaled(pixelSize, pixelSize);
    }
};

struct Pages {
    static constexpr int16_t PeFiles = 0;
    static constexpr int16_t DesktopPrograms = 1;
};

struct BenchSetup {
    ItemStore store;
    DesktopPlatform platform{QDir::tempPath()};
    ReadyIconPlatform floorPlatform;
    std::unique_ptr<Mosaro> window;
    std::unique_ptr<Mosaro> floorWindow;
};
BenchSetup* setup = nullptr;

QColor colourOf(int i)
{
    return QColor::fromHsv(i * 360 / Slots % 360, 200, 230);
}

void fillSlot(int16_t page, int slot, const QString& file, int32_t iconNo)
{
    ItemRec& r = setup->store.ItemTbl(page, slot);
    r.Used = true;
    r.ProgName = r.IconFile = file;
    r.IconNo = iconNo;
    r.Title = QStringLiteral("item %1").arg(slot);
    r.ItemColor = NewItemColor;
}

// Whether every slot of the page shows its own icon rather than the fallback.
bool showsItsIcons(Mosaro& window, int16_t page)
{
    setup->store.CurPage = page;
    window.DrowData();
    for (int i = 0; i < Slots; ++i) {
        const auto* pic = window.findChild<PicBox*>(QStringLiteral("Pic(%1)").arg(i));
        const int iconNo = setup->store.ItemTbl(page, i).IconNo;
        if (!pic || pic->image().pixel(16, 16) != colourOf(i + iconNo).rgb())
            return false;
    }
    return true;
}

bool prepare(const QString& root, const XdgFolder& xdg)
{
    for (int i = 0; i < Slots; ++i) {
        // One PE file per slot, PE32 and PE32+ in turn, three groups of three sizes each.
        std::vector<IconGroupSource> groups;
        for (int g = 0; g < 3; ++g) {
            std::vector<IcoPicture> pictures;
            for (int size : {16, 32, 48})
                pictures.push_back({drawIconArt(colourOf(i + g), size), IcoEncoding::Bmp32});
            groups.push_back({{}, 10 + g, icoFileBytes(pictures)});
        }
        const QString pe = QStringLiteral("program%1.exe").arg(i);
        const QString error =
            buildResourcePe(root, pe, i % 2 ? PeKind::Pe32 : PeKind::Pe32Plus, groups);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
        fillSlot(Pages::PeFiles, i, root + "/" + pe, i % 3);

        const QString name = QStringLiteral("mosaro-bench-%1").arg(i);
        xdg.addThemeIcon(name, colourOf(i));
        xdg.addEntry(name, name + " %F", name);
        fillSlot(Pages::DesktopPrograms, i, xdg.addScript(name), 0);
    }
    for (int16_t page : {Pages::PeFiles, Pages::DesktopPrograms}) {
        for (int i = 0; i < Slots; ++i) {
            const QString file = setup->store.ItemTbl(page, i).IconFile;
            const int iconNo = setup->store.ItemTbl(page, i).IconNo;
            setup->floorPlatform.icons[file] = drawIconArt(colourOf(i + iconNo), 32);
        }
    }
    setup->store.PageCnt = 1;
    setup->window = std::make_unique<Mosaro>(setup->store, setup->platform);
    setup->floorWindow = std::make_unique<Mosaro>(setup->store, setup->floorPlatform);
    setup->window->show();
    setup->floorWindow->show();
    for (int16_t page : {Pages::PeFiles, Pages::DesktopPrograms}) {
        if (!showsItsIcons(*setup->window, page) || !showsItsIcons(*setup->floorWindow, page)) {
            std::fprintf(stderr, "page %d does not show its own icons\n", page);
            return false;
        }
    }
    return true;
}

void redraw(benchmark::State& state, Mosaro& window, int16_t page)
{
    setup->store.CurPage = page;
    window.DrowData(); // the first redraw builds the desktop-entry index: not measured
    for (auto _ : state)
        window.DrowData();
}

void BM_FloorReadyIcons(benchmark::State& state)
{
    redraw(state, *setup->floorWindow, Pages::PeFiles);
}
void BM_PageOfPeFiles(benchmark::State& state)
{
    redraw(state, *setup->window, Pages::PeFiles);
}
void BM_PageOfDesktopPrograms(benchmark::State& state)
{
    redraw(state, *setup->window, Pages::DesktopPrograms);
}

BENCHMARK(BM_FloorReadyIcons)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PageOfPeFiles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PageOfDesktopPrograms)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    XdgFolder folder(dir.path());
    // Before the application object, so the theme and the entries come from our folder only.
    qputenv("XDG_DATA_HOME", folder.dataDir().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", folder.dataDir().toLocal8Bit());
    qputenv("PATH", folder.binDir().toLocal8Bit() + ":" + qgetenv("PATH"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication app(argc, argv);
    useXdgIconThemes();

    BenchSetup state;
    setup = &state;
    if (!prepare(dir.path(), folder))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setup = nullptr;
    return 0;
}
