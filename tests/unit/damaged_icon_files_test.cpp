#include "fixtures/ico_writer.h"
#include "fixtures/icon_art.h"
#include "fixtures/pe_fixture.h"
#include "platform/desktop/desktop_icons.h"
#include "platform/iconfile/dib_icon.h"
#include "platform/iconfile/icon_container.h"
#include "platform/desktop/icon_source.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr uint32_t Subdir = 0x80000000u;
constexpr uint32_t SectionRva = 0x1000;
constexpr int SectionFileOffset = 0x200;
constexpr int SectionHeader = 0x138;

void put32(QByteArray& bytes, int offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

void put16(QByteArray& bytes, int offset, uint16_t value)
{
    bytes[offset] = char(value);
    bytes[offset + 1] = char(value >> 8);
}

// A minimal PE32 file with one section at RVA 0x1000, file offset 0x200, holding resources.
QByteArray minimalPe(const QByteArray& resources)
{
    QByteArray file(SectionFileOffset, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    put32(file, 0x3C, 0x40);
    file.replace(0x40, 4, QByteArray("PE\0\0", 4));
    put16(file, 0x44, 0x14C);   // i386
    put16(file, 0x46, 1);       // one section
    put16(file, 0x54, 0xE0);    // optional header size
    put16(file, 0x58, 0x10B);   // PE32
    put32(file, 0x58 + 92, 16); // data directories
    put32(file, 0x58 + 96 + 16, SectionRva);
    put32(file, 0x58 + 96 + 20, uint32_t(resources.size()));
    file.replace(SectionHeader, 5, ".rsrc");
    put32(file, SectionHeader + 8, uint32_t(resources.size()));
    put32(file, SectionHeader + 12, SectionRva);
    put32(file, SectionHeader + 16, uint32_t(resources.size()));
    put32(file, SectionHeader + 20, SectionFileOffset);
    return file + resources;
}

// Offsets inside the resource section of the tree below.
constexpr int RootGroupTarget = 0x1C;
constexpr int GroupNames = 0x38;
constexpr int GroupLanguageTarget = 0x7C;
constexpr int GroupData = 0x90;
constexpr int IconBytes = 0xA0;

QByteArray group(uint16_t count, uint16_t iconId, uint32_t bytesInRes)
{
    QByteArray bytes(6 + 14 * count, '\0');
    put16(bytes, 2, 1);
    put16(bytes, 4, count);
    for (int i = 0; i < count; ++i) {
        bytes[6 + 14 * i] = 32;
        bytes[6 + 14 * i + 1] = 32;
        put16(bytes, 6 + 14 * i + 4, 1);
        put16(bytes, 6 + 14 * i + 6, 32);
        put32(bytes, 6 + 14 * i + 8, bytesInRes);
        put16(bytes, 6 + 14 * i + 12, iconId);
    }
    return bytes;
}

// One RT_ICON (ID 1) and one RT_GROUP_ICON (ID 1) naming it; groupCount entries.
QByteArray resourceTree(uint16_t groupCount = 1)
{
    const QByteArray icon = iconImageBytes({drawIconArt(Qt::red, 32), IcoEncoding::Bmp32});
    QByteArray tree(IconBytes, '\0');
    auto table = [&](int at, uint32_t id, uint32_t target) {
        put16(tree, at + 14, 1);
        put32(tree, at + 16, id);
        put32(tree, at + 20, target);
    };
    put16(tree, 14, 2);
    put32(tree, 16, 3);
    put32(tree, 20, 0x20 | Subdir);
    put32(tree, 24, 14);
    put32(tree, RootGroupTarget, GroupNames | Subdir);
    table(0x20, 1, 0x50 | Subdir);
    table(GroupNames, 1, 0x68 | Subdir);
    table(0x50, 1033, 0x80);
    table(0x68, 1033, GroupData);
    put32(tree, 0x80, SectionRva + IconBytes);
    put32(tree, 0x84, uint32_t(icon.size()));
    put32(tree, GroupData, SectionRva + IconBytes + uint32_t(icon.size()));
    const QByteArray groupBytes = group(groupCount, 1, uint32_t(icon.size()));
    put32(tree, GroupData + 4, uint32_t(groupBytes.size()));
    return tree + icon + groupBytes;
}

class DamagedIconFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QImage extractFrom(const QByteArray& bytes, int32_t index = 0)
    {
        const QString path = dir.filePath("damaged.dll");
        EXPECT_TRUE(writeFile(path, bytes));
        return extractIconImage(path, index, 32, DesktopEntryIndex());
    }
    // The tree patched by `damage`, inside a PE file.
    QImage extractDamaged(const std::function<void(QByteArray& tree)>& damage)
    {
        QByteArray tree = resourceTree();
        damage(tree);
        return extractFrom(minimalPe(tree));
    }
};

TEST_F(DamagedIconFiles, BrokenResourceTreesGiveNoIcon)
{
    // The undamaged file gives its icon, so each case below fails for its own damage only.
    ASSERT_EQ(extractFrom(minimalPe(resourceTree())).pixelColor(16, 16), QColor(Qt::red));

    const int iconSize = int(iconImageBytes({drawIconArt(Qt::red, 32), IcoEncoding::Bmp32}).size());
    const int groupAt = IconBytes + iconSize;
    const std::vector<std::pair<const char*, std::function<void(QByteArray&)>>> cases = {
        {"group type loops to the root", [](QByteArray& t) { put32(t, RootGroupTarget, Subdir); }},
        {"language level nests deeper",
         [](QByteArray& t) { put32(t, GroupLanguageTarget, GroupNames | Subdir); }},
        {"table offset past the end",
         [](QByteArray& t) { put32(t, RootGroupTarget, 0x7FFFFF00 | Subdir); }},
        {"data entry past the end", [](QByteArray& t) { put32(t, GroupLanguageTarget, 0xFFFFFF); }},
        {"data RVA outside every section", [](QByteArray& t) { put32(t, GroupData, 0x900000); }},
        {"data size past the section", [](QByteArray& t) { put32(t, GroupData + 4, 0xFFFFFFF0); }},
        {"name table counts more than it holds",
         [](QByteArray& t) {
             put16(t, GroupNames + 12, 0xFFFF);
             put16(t, GroupNames + 14, 0xFFFF);
         }},
        {"group names an icon that does not exist",
         [groupAt](QByteArray& t) { put16(t, groupAt + 6 + 12, 99); }},
        {"group counts more images than it holds",
         [groupAt](QByteArray& t) { put16(t, groupAt + 4, 0xFFFF); }},
        {"group of cursors", [groupAt](QByteArray& t) { put16(t, groupAt + 2, 2); }},
        {"absurd width", [](QByteArray& t) { put32(t, IconBytes + 4, 0x7FFFFFFF); }},
        {"absurd height", [](QByteArray& t) { put32(t, IconBytes + 8, 0x7FFFFFFE); }},
        {"negative height", [](QByteArray& t) { put32(t, IconBytes + 8, uint32_t(-64)); }},
        {"unknown bit depth", [](QByteArray& t) { put16(t, IconBytes + 14, 16); }},
        {"compressed image", [](QByteArray& t) { put32(t, IconBytes + 16, 1); }},
        {"header size past the image", [](QByteArray& t) { put32(t, IconBytes, 0x10000000); }},
    };
    for (const auto& [what, damage] : cases)
        EXPECT_TRUE(extractDamaged(damage).isNull()) << what;
}

TEST_F(DamagedIconFiles, BrokenHeadersGiveNoIcon)
{
    const QByteArray good = minimalPe(resourceTree());
    const std::vector<std::pair<const char*, std::function<void(QByteArray&)>>> cases = {
        {"PE header offset past the end", [](QByteArray& f) { put32(f, 0x3C, 0xFFFFFFF0); }},
        {"unknown optional header", [](QByteArray& f) { put16(f, 0x58, 0x107); }},
        {"PE32+ magic on a PE32 header", [](QByteArray& f) { put16(f, 0x58, 0x20B); }},
        {"optional header too short for the resource entry",
         [](QByteArray& f) { put16(f, 0x54, 16); }},
        {"sections past the end", [](QByteArray& f) { put16(f, 0x46, 0xFFFF); }},
        {"section data past the end",
         [](QByteArray& f) { put32(f, SectionHeader + 20, 0x7FFFFFFF); }},
    };
    for (const auto& [what, damage] : cases) {
        QByteArray file = good;
        damage(file);
        EXPECT_TRUE(extractFrom(file).isNull()) << what;
    }
}

TEST_F(DamagedIconFiles, HugeGroupsStayBoundedAndSharedImagesWork)
{
    // 65535 entries naming the same image: no copies, one image drawn.
    EXPECT_EQ(extractFrom(minimalPe(resourceTree(0xFFFF))).pixelColor(16, 16), QColor(Qt::red));
}

TEST_F(DamagedIconFiles, DamagedIcoFilesGiveNoIcon)
{
    const QByteArray good = icoFileBytes({{drawIconArt(Qt::blue, 32), IcoEncoding::Bmp32},
                                          {drawIconArt(Qt::blue, 48), IcoEncoding::Png}});
    ASSERT_FALSE(extractFrom(good).isNull());
    QByteArray hugePng = good; // the PNG's header claims 100000 x 100000
    const int png = int(hugePng.indexOf("IHDR"));
    put32(hugePng, png + 4, 0xA0860100);
    put32(hugePng, png + 8, 0xA0860100);
    const std::vector<std::pair<const char*, std::function<void(QByteArray&)>>> cases = {
        {"image offset past the end", [](QByteArray& f) { put32(f, 6 + 12, 0x7FFFFFF0); }},
        {"image size past the end", [](QByteArray& f) { put32(f, 6 + 8, 0x7FFFFFF0); }},
        {"empty image", [](QByteArray& f) { put32(f, 6 + 8, 0); }},
        {"more images than entries", [](QByteArray& f) { put16(f, 4, 900); }},
    };
    for (const auto& [what, damage] : cases) {
        QByteArray file = good;
        damage(file);
        EXPECT_TRUE(extractFrom(file).isNull()) << what;
    }
    const QString path = dir.filePath("huge.ico");
    ASSERT_TRUE(writeFile(path, hugePng));
    EXPECT_TRUE(extractIconImage(path, 0, 48, DesktopEntryIndex()).isNull());
}

TEST_F(DamagedIconFiles, TruncatedRealFilesAreSafeAtAnyLength)
{
    ASSERT_EQ(buildSamplePe(dir.path(), "sample.dll", PeKind::Pe32Plus), QString());
    const QByteArray peBytes = readFile(dir.filePath("sample.dll"));
    ASSERT_FALSE(peBytes.isEmpty());
    const QByteArray icoBytes = sampleIco(sampleGroups()[1]);
    for (const QByteArray& whole : {peBytes, icoBytes}) {
        int complete = 0;
        const auto* copy = reinterpret_cast<const uint8_t*>(whole.constData());
        // Every length through the headers, then a spread of them, and the whole file.
        for (int length = 0; length <= whole.size();
             length = length < 1024 || length == whole.size()
                          ? length + 1
                          : std::min(length + 7, int(whole.size()))) {
            const ByteView view(copy, size_t(length));
            for (int32_t index : {0, 1, 2, 3, 4, -7, -42}) {
                const auto images = iconImagesAt(view, index);
                if (!images)
                    continue;
                for (const IconImage& image : *images) {
                    ASSERT_GE(image.bytes.data(), copy);
                    ASSERT_LE(image.bytes.data() + image.bytes.size(), copy + length);
                }
                const IconImage& best = (*images)[chooseIconImage(*images, 32)];
                if (isPngImage(best.bytes) || decodeDibIcon(best.bytes))
                    complete += length == whole.size();
            }
        }
        EXPECT_GT(complete, 0); // the whole file still gives its icons
    }
}

} // namespace
