#include "fixtures/icon_art.h"
#include "fixtures/pe_fixture.h"
#include "platform/desktop/desktop_icons.h"
#include "platform/iconfile/icon_container.h"
#include "platform/desktop/icon_source.h"
#include "platform/desktop/mapped_file.h"
#include "platform/iconfile/pe_resources.h"
#include "support/files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <climits>
#include <memory>

namespace {

// Sample PE files made once for all tests of this file.
class PeIcons : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        for (PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
            const QString error = buildSamplePe(dir->path(), fileName(kind), kind);
            ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        }
    }
    static void TearDownTestSuite() { dir.reset(); }

    static QString fileName(PeKind kind)
    {
        // Whatever the name says, the content makes it a PE file.
        return kind == PeKind::Pe32 ? "sample.exe" : "sample.icl";
    }
    static QString path(PeKind kind) { return dir->filePath(fileName(kind)); }

    static QImage extract(const QString& file, int32_t index, int pixelSize = 32)
    {
        return extractIconImage(file, index, pixelSize, DesktopEntryIndex());
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
};

QColor centre(const QImage& image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST_F(PeIcons, PositiveIndexTakesGroupsInDirectoryOrderNegativeTakesTheResourceId)
{
    const auto ordered = sampleGroupsInDirectoryOrder();
    for (PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
        SCOPED_TRACE(fileName(kind).toStdString());
        for (size_t i = 0; i < ordered.size(); ++i) {
            const QImage icon = extract(path(kind), int32_t(i));
            ASSERT_FALSE(icon.isNull()) << i;
            EXPECT_EQ(icon.size(), QSize(32, 32));
            EXPECT_EQ(centre(icon), ordered[i].colourAt32) << "index " << i;
        }
        EXPECT_TRUE(extract(path(kind), int32_t(ordered.size())).isNull()); // past the last
        EXPECT_EQ(centre(extract(path(kind), -7)), QColor(Qt::yellow));
        EXPECT_EQ(centre(extract(path(kind), -42)), QColor(Qt::green));
        EXPECT_EQ(centre(extract(path(kind), -3)), QColor(Qt::red));
        for (int32_t missing : {-1, -2, -5, -0x10003, INT32_MIN, INT32_MAX})
            EXPECT_TRUE(extract(path(kind), missing).isNull()) << missing;
    }
}

TEST_F(PeIcons, PicksTheImageBestForTheSizeAndKeepsAlpha)
{
    // Directory order: BACK, MAIN, 3, 7, 42.
    const QString file = path(PeKind::Pe32Plus);
    const QImage main32 = extract(file, 1, 32);
    EXPECT_EQ(centre(main32), QColor(Qt::blue)); // the 32-bit one, not the 8-bit twin
    EXPECT_EQ(main32.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(main32.pixelColor(16, 16).alpha(), 255);
    EXPECT_EQ(main32.pixelColor(16, 5), QColor(Qt::white));

    EXPECT_EQ(centre(extract(file, 1, 16)), QColor(Qt::darkBlue));
    EXPECT_EQ(centre(extract(file, 1, 48)), QColor(Qt::darkCyan)); // a PNG image
    const QImage scaledUp = extract(file, 1, 64);                  // nothing larger: scaled
    EXPECT_EQ(scaledUp.size(), QSize(64, 64));
    EXPECT_EQ(centre(scaledUp), QColor(Qt::darkCyan));

    const QImage paletted = extract(file, 2, 16); // group 3 at 16: the 8-bit image
    EXPECT_EQ(centre(paletted), QColor(Qt::darkRed));
    EXPECT_EQ(paletted.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(extract(file, 2, 32).pixelColor(0, 0).alpha(), 0); // 24-bit: the mask

    // Alpha bytes all 0: the mask says what is clear instead of everything vanishing.
    const QImage maskOnly = extract(file, 3, 48);
    EXPECT_EQ(maskOnly.pixelColor(24, 24), QColor(Qt::yellow));
    EXPECT_EQ(maskOnly.pixelColor(1, 1).alpha(), 0);

    // 42 has 16 and 64: for 32 the next larger is taken and scaled down.
    EXPECT_EQ(centre(extract(file, 4, 32)), QColor(Qt::green));
}

struct ListedGroup {
    QString label;
    qsizetype size;
};

TEST_F(PeIcons, FindsWhatWrestoolFindsInTheSameFiles)
{
    for (PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
        SCOPED_TRACE(fileName(kind).toStdString());
        const ToolRun listing = runTool("wrestool", {"-l", "--type=14", path(kind)});
        ASSERT_EQ(listing.exitCode, 0) << listing.errors.toStdString();
        std::vector<ListedGroup> listed;
        const QRegularExpression line("--name=(?:'([^']*)'|(\\d+)).*size=(\\d+)");
        for (const QString& text : QString::fromUtf8(listing.output).split('\n', Qt::SkipEmptyParts)) {
            const auto match = line.match(text);
            ASSERT_TRUE(match.hasMatch()) << text.toStdString();
            listed.push_back({match.captured(1).isEmpty() ? match.captured(2) : match.captured(1),
                              match.captured(3).toLongLong()});
        }

        const MappedFile file(path(kind));
        const auto resources = readPeIconResources(file.view());
        ASSERT_TRUE(resources);
        ASSERT_EQ(resources->groups.size(), listed.size());
        for (size_t i = 0; i < listed.size(); ++i) {
            const PeResource& group = resources->groups[i];
            const QString label =
                group.id ? QString::number(*group.id) : QString::fromStdU16String(group.name);
            EXPECT_EQ(label, listed[i].label);
            EXPECT_EQ(qsizetype(group.data.size()), listed[i].size);

            // The .ico wrestool rebuilds from the group holds the very images we read.
            const QString ico = dir->filePath("wrestool.ico");
            const ToolRun extraction = runTool(
                "wrestool", {"-x", "--type=14", "--name=" + listed[i].label, "-o", ico, path(kind)});
            ASSERT_EQ(extraction.exitCode, 0) << extraction.errors.toStdString();
            const MappedFile extracted(ico);
            const auto fromTool = readIcoFile(extracted.view());
            const auto ours = iconImagesAt(file.view(), int32_t(i));
            ASSERT_TRUE(fromTool && ours);
            ASSERT_EQ(fromTool->size(), ours->size());
            for (size_t k = 0; k < ours->size(); ++k) {
                const IconImage& a = (*ours)[k];
                const IconImage& b = (*fromTool)[k];
                EXPECT_EQ(QByteArray::fromRawData(reinterpret_cast<const char*>(a.bytes.data()),
                                                  qsizetype(a.bytes.size())),
                          QByteArray::fromRawData(reinterpret_cast<const char*>(b.bytes.data()),
                                                  qsizetype(b.bytes.size())));
                EXPECT_EQ(a.width, b.width);
                EXPECT_EQ(a.bitCount, b.bitCount);
            }
        }
    }
}

TEST_F(PeIcons, IcoAndImageFilesHoldIndexZeroOnlyOtherFilesNone)
{
    const QString ico = dir->filePath("main.ico");
    const QString renamedIco = dir->filePath("main.dat"); // known by content
    const QString png = dir->filePath("art.png");
    const QString text = dir->filePath("notes.txt");
    const QString empty = dir->filePath("empty.exe");
    ASSERT_TRUE(writeFile(ico, sampleIco(sampleGroups()[1])));
    ASSERT_TRUE(writeFile(renamedIco, sampleIco(sampleGroups()[1])));
    ASSERT_TRUE(drawIconArt(Qt::magenta, 64).save(png));
    ASSERT_TRUE(writeFile(text, "MZ is not enough\n"));
    ASSERT_TRUE(writeFile(empty, {}));

    EXPECT_EQ(centre(extract(ico, 0)), QColor(Qt::blue));
    EXPECT_EQ(centre(extract(renamedIco, 0)), QColor(Qt::blue));
    EXPECT_EQ(centre(extract(png, 0)), QColor(Qt::magenta));
    EXPECT_EQ(extract(png, 0).size(), QSize(32, 32));
    for (int32_t index : {1, -1, 2})
        EXPECT_TRUE(extract(ico, index).isNull() && extract(png, index).isNull()) << index;
    // A pipe named like an icon would block a reader forever.
    const QString pipe = dir->filePath("pipe.ico");
    ASSERT_EQ(QProcess::execute("mkfifo", {pipe}), 0);
    for (const QString& none :
         {text, empty, pipe, dir->filePath("missing.exe"), dir->path(), QString()})
        EXPECT_TRUE(extract(none, 0).isNull()) << none.toStdString();
}

} // namespace
