#include "fixtures/ico_writer.h"
#include "editing/draw_item_icon.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/widgets/pic_box.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// 76 x 24, white, with a black band across rows 10 to 13.
QImage bandedWideIcon()
{
    QImage image(76, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    for (int y = 10; y <= 13; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

int greyAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

TEST(NonSquareIcon, IsStretchedToTheIconBoxInOneStep)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("wide.ico");
    ASSERT_TRUE(writeFile(file, icoFileBytes({{bandedWideIcon(), IcoEncoding::Png},
                                              {bandedWideIcon(), IcoEncoding::Bmp32}})));
    DesktopPlatform platform(dir.path());

    const QImage extracted = platform.extractIcon(file, 0, 32);
    EXPECT_EQ(extracted.size(), QSize(32, 32));

    PicBox target;
    target.resize(81, 65);
    target.setBackColor(0xFFFFFF);
    DrawItemIcon(target, 0, file, platform);
    const QImage& drawn = target.image();
    ASSERT_FALSE(drawn.isNull());
    // The band lands on rows 13.3 to 18.7 of the box: solid in its middle, with clean white
    // a few rows away. Shrinking to 32 x 10 first would leave a grey smear instead.
    for (int x : {2, 16, 29}) {
        SCOPED_TRACE(x);
        EXPECT_LT(greyAt(drawn, x, 15), 16);
        EXPECT_LT(greyAt(drawn, x, 16), 16);
        EXPECT_GT(greyAt(drawn, x, 10), 240);
        EXPECT_GT(greyAt(drawn, x, 21), 240);
    }
}

} // namespace
