// From process start to the first painted window on a private Xvfb: Mosaro (first run, ten
// pages, a full 4 MB data file) against two floors, a bare Qt window and a Qt window that paints
// the same page from nothing. Each case also reports its resident memory once painted. The
// counters hold each case's median and the ratios the targets are set in.
#include "store/item_file.h"
#include "store/item_store.h"
#include "support/files.h"
#include "support/x_server.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::unique_ptr<XServer> server;

// Watches the X server for the first top-level window to be mapped and painted.
class PaintWatch {
public:
    PaintWatch()
    {
        connection_ = xcb_connect(server->display().toLatin1().constData(), nullptr);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~PaintWatch() { xcb_disconnect(connection_); }

    // Waits until a window is mapped and the pixel at (x, y) inside it has the colour rgb.
    bool waitForPaint(int x, int y, uint32_t rgb)
    {
        xcb_window_t window = 0;
        while (!window) {
            xcb_generic_event_t* event = xcb_wait_for_event(connection_);
            if (!event)
                return false;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            free(event);
        }
        // Read the screen, not the window: what counts is what a person would see.
        xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr);
        if (!origin)
            return false;
        const int16_t rootX = int16_t(origin->dst_x + x);
        const int16_t rootY = int16_t(origin->dst_y + y);
        free(origin);
        for (int tries = 0; tries < 200000; ++tries) {
            xcb_get_image_reply_t* image = xcb_get_image_reply(
                connection_,
                xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, rootX, rootY, 1, 1,
                              ~0u),
                nullptr);
            if (image) {
                const uint32_t pixel = *reinterpret_cast<uint32_t*>(xcb_get_image_data(image));
                free(image);
                if ((pixel & 0xFFFFFF) == rgb)
                    return true;
            }
            usleep(100);
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

// The resident memory of a process in MB (Rss of /proc/PID/smaps_rollup); 0 if unreadable.
double residentMegabytes(pid_t process)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(process));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = rollup.readLine(); !line.isEmpty(); line = rollup.readLine()) {
        if (line.startsWith("Rss:"))
            return line.mid(4).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

const QString SlotTitle = QStringLiteral("ﾍﾟｰｼﾞ%1の表計算");

struct Start {
    bool painted = false;
    double milliseconds = 0;
    double residentMegabytes = 0;
};

// Starts program and waits until the pixel inside slot 0, right of its icon, has the colour rgb.
Start startOnce(const QString& program, const QStringList& arguments, uint32_t rgb)
{
    const QByteArray display = server->display().toLatin1();
    std::vector<QByteArray> words{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    PaintWatch watch;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("DISPLAY", display.constData(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    Start start;
    start.painted = watch.waitForPaint(70, 12, rgb);
    start.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    start.residentMegabytes = start.painted ? residentMegabytes(child) : 0;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return start;
}

// A program copy of its own beside the given data file.
QString programCopy(QTemporaryDir& dir, const QByteArray& dataFile)
{
    const QString program = dir.path() + "/mosaro";
    QFile::copy(MOSARO_EXE, program);
    QFile(program).setPermissions(QFile::permissions(MOSARO_EXE));
    if (!dataFile.isNull())
        writeFile(dir.path() + "/Mosaro.dat", dataFile);
    return program;
}

// pageCnt + 1 pages of 20 used slots with Japanese texts.
QByteArray dataFile(int16_t pageCnt)
{
    ItemStore store;
    store.PageCnt = pageCnt;
    for (int page = 0; page <= pageCnt; ++page)
        for (int slot = 0; slot < SlotCount; ++slot) {
            ItemRec& r = store.ItemTbl(page, slot);
            r.Used = true;
            r.ProgName = QStringLiteral("/home/利用者/アプリケーション/表計算ソフト%1/起動.exe").arg(slot);
            r.InitDir = QStringLiteral("/home/利用者/アプリケーション/表計算ソフト%1/").arg(slot);
            r.IconFile = r.ProgName;
            r.CmdParam = QStringLiteral("--開く 月次報告書_%1.xls ").arg(page);
            r.Title = SlotTitle.arg(page);
            r.ItemColor = NewItemColor;
        }
    return formatItemFile(store).bytes;
}

struct Case {
    std::string name;
    QString program;
    QStringList arguments;
    uint32_t rgb;
    std::vector<double> milliseconds;
    double residentSum = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The five programs are started in turn, once each per iteration, so a machine that gets
// busier or quieter during the run weighs on every case alike and the ratios stay fair.
void BM_StartUpInTurn(benchmark::State& state)
{
    QTemporaryDir firstRun, tenPages, fullFile;
    std::vector<Case> cases = {
        {"bare", BARE_WINDOW_EXE, {}, 0x404040, {}},
        {"same_page", BARE_WINDOW_EXE, {QStringLiteral("--page"), SlotTitle.arg(0)}, 0xE0E0E0, {}},
        {"first_run", programCopy(firstRun, QByteArray()), {}, 0x404040, {}},
        {"ten_pages", programCopy(tenPages, dataFile(9)), {}, 0xE0E0E0, {}},
        {"full_file", programCopy(fullFile, dataFile(MaxPage)), {}, 0xE0E0E0, {}},
    };
    for (auto _ : state) {
        double total = 0;
        for (Case& c : cases) {
            const Start start = startOnce(c.program, c.arguments, c.rgb);
            if (!start.painted) {
                state.SkipWithError((c.name + ": no window was painted").c_str());
                return;
            }
            c.milliseconds.push_back(start.milliseconds);
            c.residentSum += start.residentMegabytes;
            total += start.milliseconds;
        }
        state.SetIterationTime(total / 1000);
    }
    std::map<std::string, double> medians;
    for (const Case& c : cases) {
        medians[c.name] = median(c.milliseconds);
        state.counters[c.name + "_ms"] = medians[c.name];
        state.counters[c.name + "_rss_MB"] =
            c.residentSum / double(c.milliseconds.size());
    }
    state.counters["same_page_vs_bare"] = medians["same_page"] / medians["bare"];
    state.counters["first_run_vs_bare"] = medians["first_run"] / medians["bare"];
    state.counters["ten_pages_vs_same_page"] = medians["ten_pages"] / medians["same_page"];
    state.counters["full_file_vs_same_page"] = medians["full_file"] / medians["same_page"];
}

}  // namespace

BENCHMARK(BM_StartUpInTurn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    server = std::make_unique<XServer>();
    if (!server->running())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    server.reset();
    return 0;
}
