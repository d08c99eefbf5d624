#include "store/cp932.h"
#include "store/item_file.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Lines joined with CR LF, the last one ended too, in CP932.
QByteArray fileOf(std::initializer_list<const char*> lines)
{
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

ItemRec program(const QString& title)
{
    ItemRec r;
    r.Used = true;
    r.ProgName = "/opt/tools/" + title;
    r.InitDir = QStringLiteral("/opt/tools/");
    r.IconFile = r.ProgName;
    r.Title = title;
    r.ItemColor = NewItemColor;
    return r;
}

QByteArray format(const ItemStore& store)
{
    const FormatResult result = formatItemFile(store);
    EXPECT_EQ(result.error, QString());
    return result.bytes;
}

TEST(ItemFileFormat, WritesPageCountThenOneLinePerUsedSlotOfPagesUpToPageCnt)
{
    ItemStore store;
    store.PageCnt = 3;
    EXPECT_EQ(format(store), QByteArray("3\r\n"));

    store.ItemTbl(0, 3) = program("app");
    store.ItemTbl(2, 19) = program("b");
    store.ItemTbl(2, 0) = program("a");
    store.ItemTbl(4, 0) = program("above"); // above PageCnt: kept in memory, never written
    EXPECT_EQ(
        format(store),
        fileOf(
            {"3",
             R"(0,3,"/opt/tools/app","/opt/tools/","/opt/tools/app","","app",#FALSE#,"",0,14737632)",
             R"(2,0,"/opt/tools/a","/opt/tools/","/opt/tools/a","","a",#FALSE#,"",0,14737632)",
             R"(2,19,"/opt/tools/b","/opt/tools/","/opt/tools/b","","b",#FALSE#,"",0,14737632)"}));
}

TEST(ItemFileFormat, FieldFormsOfUnusualValues)
{
    ItemStore store;
    ItemRec& blank = store.ItemTbl(0, 0);
    blank.Used = true;
    blank.IsDoc = true;
    blank.IconNo = -2147483647 - 1;
    blank.ItemColor = -1;
    ItemRec& odd = store.ItemTbl(0, 1);
    odd = program(QStringLiteral(" a, b "));
    odd.CmdParam = QStringLiteral("-x, -y ");
    odd.AssocExe = QStringLiteral("/usr/bin/viewer");
    odd.IconNo = -3;
    odd.ItemColor.reset();
    EXPECT_EQ(
        format(store),
        fileOf(
            {"0", R"(0,0,"","","","","",#TRUE#,"",-2147483648,-1)",
             R"(0,1,"/opt/tools/ a, b ","/opt/tools/","/opt/tools/ a, b ","-x, -y "," a, b ",#FALSE#,"/usr/bin/viewer",-3,)"}));

    ItemStore loaded;
    EXPECT_EQ(parseItemFile(format(store), loaded).skippedLines, 0);
    EXPECT_EQ(loaded.ItemTbl(0, 0), store.ItemTbl(0, 0));
    EXPECT_EQ(loaded.ItemTbl(0, 1), store.ItemTbl(0, 1));
    EXPECT_FALSE(loaded.ItemTbl(0, 1).ItemColor.has_value());
}

TEST(ItemFileFormat, JapaneseTextsAreWrittenInCp932)
{
    ItemStore store;
    store.ItemTbl(0, 0) = program(QStringLiteral("表計算～ｿﾌﾄ"));
    store.ItemTbl(0, 0).CmdParam = QStringLiteral("\u3000");
    const QByteArray bytes = format(store);
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("22955c8c768e5a8160bfccc422"))); // "表計算～ｿﾌﾄ"
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("2c228140222c")));               // ,"　",
}

TEST(ItemFileFormat, WrittenFilesLoadBackAndSaveAgainByteForByte)
{
    ItemStore store;
    store.PageCnt = 7;
    const QString texts[] = {u"メモ帳"_qs, u"ﾃｷｽﾄ"_qs, u"①≒∵ⅰ纊"_qs, u""_qs,
                             u" \\server\\share "_qs};
    for (int page = 0; page <= 7; ++page) {
        for (int slot = page % 3; slot < SlotCount; slot += 3) {
            ItemRec r = program(texts[(page + slot) % 5] + QString::number(slot));
            r.IsDoc = slot % 2;
            r.IconNo = slot - 10;
            if (slot % 4 == 0)
                r.ItemColor.reset();
            store.ItemTbl(page, slot) = r;
        }
    }
    const QByteArray first = format(store);
    ItemStore loaded;
    EXPECT_EQ(parseItemFile(first, loaded).skippedLines, 0);
    EXPECT_EQ(loaded.PageCnt, 7);
    for (int page = 0; page <= MaxPage; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot)
            ASSERT_EQ(loaded.ItemTbl(page, slot), store.ItemTbl(page, slot)) << page << "," << slot;
    }
    EXPECT_EQ(format(loaded), first);
}

TEST(ItemFileFormat, RefusesTablesWithTextsTheFileCannotHold)
{
    ItemStore store;
    store.PageCnt = 3;
    store.ItemTbl(0, 0) = program("fine");
    store.ItemTbl(2, 5) = program("fine");
    store.ItemTbl(2, 5).Title = QStringLiteral("say \"hi\"");
    FormatResult result = formatItemFile(store);
    EXPECT_TRUE(result.bytes.isEmpty());
    EXPECT_TRUE(result.error.contains(u"ページ 2 のスロット 5 の「タイトル」"_qs))
        << result.error.toStdString();

    store.ItemTbl(2, 5).Title.clear();
    store.ItemTbl(2, 5).InitDir = u"a\u301Cb"_qs; // would come back as a full-width tilde
    result = formatItemFile(store);
    EXPECT_TRUE(result.error.contains(u"「初期化ディレクトリー」"_qs))
        << result.error.toStdString();

    store.ItemTbl(2, 5).InitDir.clear();
    store.ItemTbl(2, 5).AssocExe = QStringLiteral("two\nlines");
    EXPECT_FALSE(formatItemFile(store).error.isEmpty());
    store.ItemTbl(2, 5).AssocExe = QStringLiteral("two\rlines");
    EXPECT_FALSE(formatItemFile(store).error.isEmpty());

    // The same slot above PageCnt is never written, so it is no obstacle.
    store.PageCnt = 1;
    EXPECT_EQ(formatItemFile(store).error, QString());
}

TEST(ItemFileParse, AcceptsAnyOrderDuplicatesBlankLinesAndBareLineFeeds)
{
    ItemStore store;
    const QByteArray bytes = "2\n"
                             "\r\n"
                             R"(1,4,"/b","","","","first",#FALSE#,"",0,1)"
                             "\n"
                             R"(0,2,"/a","","","","a",#TRUE#,"/x",5,)"
                             "\r\n"
                             "\r\n"
                             R"(1,4,"/b","","","","second",#FALSE#,"",0,2)"; // no line end
    EXPECT_EQ(parseItemFile(bytes, store).skippedLines, 0);
    EXPECT_EQ(store.PageCnt, 2);
    EXPECT_EQ(store.ItemTbl(1, 4).Title, QStringLiteral("second"));
    EXPECT_EQ(store.ItemTbl(1, 4).ItemColor, 2);
    EXPECT_TRUE(store.ItemTbl(0, 2).Used);
    EXPECT_TRUE(store.ItemTbl(0, 2).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 2).AssocExe, QStringLiteral("/x"));
    EXPECT_FALSE(store.ItemTbl(0, 0).Used);

    ItemStore onlyCount;
    EXPECT_EQ(parseItemFile("12\r\n", onlyCount).skippedLines, 0);
    EXPECT_EQ(onlyCount.PageCnt, 12);
}

TEST(ItemFileParse, ATextMetAgainIsKeptOnceEvenAmongThousandsOfOthers)
{
    // The same folder, program and viewer on every page, with a distinct title per item, and
    // enough other texts between them to push any earlier text out of a small cache.
    QString text = QStringLiteral("999\r\n");
    for (int page = 0; page < 1000; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot)
            text += QStringLiteral("%1,%2,\"/opt/表計算/起動%2\",\"/opt/表計算/\",\"/opt/表計算/起動%2\","
                                   "\"\",\"表%1-%2\",#TRUE#,\"/usr/bin/viewer\",0,\r\n")
                        .arg(page)
                        .arg(slot);
    }
    QByteArray bytes;
    ASSERT_TRUE(cp932::encodeExactly(text, bytes));
    ItemStore store;
    EXPECT_EQ(parseItemFile(bytes, store).skippedLines, 0);

    const ItemRec& first = store.ItemTbl(0, 7);
    const ItemRec& last = store.ItemTbl(999, 7);
    EXPECT_EQ(last.ProgName, QStringLiteral("/opt/表計算/起動7"));
    EXPECT_EQ(last.Title, QStringLiteral("表999-7"));
    EXPECT_EQ(first.ProgName.constData(), first.IconFile.constData());
    // A text pushed out of the cache is read again and then shared anew: the 20000 items
    // hold their one folder and one viewer in a few strings, not in 20000.
    std::set<const QChar*> folders;
    std::set<const QChar*> viewers;
    for (int page = 0; page < 1000; ++page) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            folders.insert(store.ItemTbl(page, slot).InitDir.constData());
            viewers.insert(store.ItemTbl(page, slot).AssocExe.constData());
        }
    }
    EXPECT_LT(folders.size(), 10u) << folders.size();
    EXPECT_LT(viewers.size(), 10u) << viewers.size();
    EXPECT_EQ(store.ItemTbl(500, 3).InitDir, first.InitDir);
}

TEST(ItemFileParse, SkipsEveryMalformedLineAndKeepsTheGoodOnes)
{
    const char* good = R"(0,1,"/ok","","","","ok",#FALSE#,"",0,)";
    const char* bad[] = {
        "garbage",
        R"(0,2,"/a","","","","a",#FALSE#,"",0)",     // ten fields
        R"(0,2,"/a","","","","a",#FALSE#,"",0,1,2)", // twelve
        R"(0,2,/a,"","","","a",#FALSE#,"",0,1)",     // text without quotes
        R"(0,2,"/a","","","","a",#YES#,"",0,1)",
        R"(0,2,"/a","","","","a",#FALSE#,"",x,1)",
        R"(0,2,"/a","","","","a",#FALSE#,"",2147483648,1)", // IconNo beyond 32 bits
        R"(0,2,"/a","","","","a",#FALSE#,"",0,red)",
        R"(0,2,"/a""b","","","","a",#FALSE#,"",0,1)", // quote inside a text
        R"(0,2,"/a","","","","a" ,#FALSE#,"",0,1)",
        R"(0,2,"/a","","","","a",#FALSE#,"",0,1 )",
        R"( 0,2,"/a","","","","a",#FALSE#,"",0,1)",
        R"(1001,0,"/a","","","","a",#FALSE#,"",0,1)", // outside the table
        R"(-1,0,"/a","","","","a",#FALSE#,"",0,1)",
        R"(0,20,"/a","","","","a",#FALSE#,"",0,1)",
        R"(0,-1,"/a","","","","a",#FALSE#,"",0,1)",
    };
    for (const char* line : bad) {
        ItemStore store;
        EXPECT_EQ(parseItemFile(fileOf({"0", line, good}), store).skippedLines, 1) << line;
        EXPECT_TRUE(store.ItemTbl(0, 1).Used) << line;
        EXPECT_FALSE(store.ItemTbl(0, 2).Used) << line;
    }

    // Bytes that are not CP932, and a CR inside a text.
    for (const QByteArray& line :
         {QByteArray("0,2,\"\x80\",\"\",\"\",\"\",\"a\",#FALSE#,\"\",0,1"),
          QByteArray("0,2,\"\x81\",\"\",\"\",\"\",\"a\",#FALSE#,\"\",0,1"),
          QByteArray("0,2,\"a\rb\",\"\",\"\",\"\",\"a\",#FALSE#,\"\",0,1")}) {
        ItemStore store;
        EXPECT_EQ(parseItemFile("0\r\n" + line + "\r\n" + good + "\r\n", store).skippedLines, 1);
        EXPECT_FALSE(store.ItemTbl(0, 2).Used);
        EXPECT_TRUE(store.ItemTbl(0, 1).Used);
    }
}

TEST(ItemFileParse, PageCountIsClampedOrDerivedAndRecordsAboveItAreCounted)
{
    const char* onPage5 = R"(5,0,"/a","","","","a",#FALSE#,"",0,1)";
    const char* onPage9 = R"(9,0,"/a","","","","a",#FALSE#,"",0,1)";
    struct Case {
        const char* firstLine;
        int pageCnt;
        int skipped;
    };
    const Case cases[] = {
        {"9", 9, 0},      {"1001", 1000, 1}, {"99999999999999999999999", 1000, 1},
        {"-4", 0, 1 + 2},              // clamped to 0: both records lie above it
        {"six", 9, 1},                 // no number: the highest page a record names
        {"", 9, 1},       {"7", 7, 1}, // the record on page 9 would be lost at the next save
        {"3 ", 9, 1},
    };
    for (const Case& c : cases) {
        ItemStore store;
        const ParseResult result = parseItemFile(fileOf({c.firstLine, onPage5, onPage9}), store);
        EXPECT_EQ(store.PageCnt, c.pageCnt) << c.firstLine;
        EXPECT_EQ(result.skippedLines, c.skipped) << c.firstLine;
        EXPECT_TRUE(store.ItemTbl(9, 0).Used) << c.firstLine; // loaded even when above PageCnt
    }

    ItemStore nothing;
    EXPECT_EQ(parseItemFile(fileOf({"x", "junk"}), nothing).skippedLines, 2);
    EXPECT_EQ(nothing.PageCnt, 0);
}

} // namespace
