// LoadItemFile and SaveItemFile on a full table, each beside its floor: the same bytes read
// and decoded (written and encoded) without parsing or formatting.
#include "store/cp932.h"
#include "store/durable_file.h"
#include "store/item_file.h"
#include "support/files.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <malloc.h>
#include <memory>

namespace {

// Every slot of every page used, with texts like a Japanese desktop's.
void fillTable(ItemStore& store)
{
    const QString folders[] = {QStringLiteral("/home/山田/アプリケーション/表計算ソフト"),
                               QStringLiteral("/opt/ﾂｰﾙ集/画像編集　プロ版"),
                               QStringLiteral("/usr/local/share/文書作成ツール～最新版")};
    const QString titles[] = {QStringLiteral("表計算"), QStringLiteral("ﾃｷｽﾄｴﾃﾞｨﾀ"),
                              QStringLiteral("画像ビューア①"), QStringLiteral("メール送受信")};
    store.PageCnt = MaxPage;
    for (int page = 0; page <= MaxPage; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            ItemRec& r = store.ItemTbl(page, slot);
            const QString& folder = folders[(page + slot) % 3];
            const QString& title = titles[(page * 7 + slot) % 4];
            r.Used = true;
            r.InitDir = folder + "/";
            r.ProgName = r.InitDir + title + QString::number(page) + ".exe";
            r.IconFile = r.ProgName;
            r.CmdParam = slot % 2 ? QStringLiteral("--設定 既定 ") : QString();
            r.Title = title + QString::number(slot);
            r.IsDoc = slot % 5 == 0;
            r.AssocExe = r.IsDoc ? QStringLiteral("/usr/bin/文書ビューア") : QString();
            r.IconNo = slot % 3;
            r.ItemColor = NewItemColor;
        }
    }
}

struct Fixture {
    QTemporaryDir dir;
    ItemStore store;
    QByteArray bytes; // the file SaveItemFile writes
    QString text;     // its text

    Fixture()
    {
        fillTable(store);
        SaveItemFile(store, dir.path());
        bytes = readFile(dataFilePath(dir.path()));
        text = cp932::decode(bytes).value_or(QString());
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// Loading happens once, at start-up, into a fresh heap; the heap left by the previous round
// is given back untimed, so no round pays for tidying up after the one before.
void freshHeap(benchmark::State& state)
{
    state.PauseTiming();
    ::malloc_trim(0);
    state.ResumeTiming();
}

void BM_LoadItemFile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<ItemStore>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(LoadItemFile(*store, f.dir.path()));
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
        freshHeap(state);
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_LoadFloor_ReadAndDecode(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(cp932::decode(readFile(dataFilePath(f.dir.path()))));
        freshHeap(state);
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_SaveItemFile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveItemFile(f.store, f.dir.path()));
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// Encoding the same text and writing the bytes the one safe way a save writes them: a new
// file synced to disk, renamed over the old one.
void BM_SaveFloor_EncodeAndWrite(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString path = f.dir.filePath("floor.dat");
    for (auto _ : state) {
        QByteArray bytes;
        cp932::encodeExactly(f.text, bytes);
        benchmark::DoNotOptimize(replaceFileDurably(path, bytes));
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

} // namespace

BENCHMARK(BM_LoadItemFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFloor_ReadAndDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveItemFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor_EncodeAndWrite)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
