// The floors for start-up: the least a Qt program must do to paint a window of the same size.
// Without arguments the window is empty. With "--page TITLE" it shows a page the way any Qt
// program would: 20 slots, each with a ready-made 32x32 image and TITLE in the slot font, all
// drawn by one widget (no data file, no theme lookup, no icon extraction).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <array>

namespace {

constexpr int SlotCount = 20;
const QColor EmptyBack(64, 64, 64);
const QColor SlotBack(224, 224, 224);

class PageWindow : public QWidget {
public:
    explicit PageWindow(const QString& title) : title_(title)
    {
        // The slot font of the launcher: "ＭＳ Ｐゴシック" 8.25 pt, as substituted there.
        font_.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                           QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
        font_.setPointSizeF(8.25);
        for (int i = 0; i < SlotCount; ++i) {
            QImage& image = images_[size_t(i)];
            image = QImage(32, 32, QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor::fromHsv(i * 18, 160, 200));
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), EmptyBack);
        p.setFont(font_);
        for (int i = 0; i < SlotCount; ++i) {
            // The launcher's slot geometry: 81x65 pixels on a 88x72 grid from (8, 8).
            const QRect slot(8 + 88 * (i % 5), 8 + 72 * (i / 5), 81, 65);
            p.fillRect(slot, SlotBack);
            p.drawImage(slot.topLeft(), images_[size_t(i)]);
            p.setPen(Qt::black);
            p.drawText(QRect(slot.left(), slot.top() + 32, slot.width(), 33),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
        }
    }

private:
    QString title_;
    QFont font_;
    std::array<QImage, SlotCount> images_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype page = arguments.indexOf(QStringLiteral("--page"));
    QWidget bare;
    PageWindow paged(page > 0 && page + 1 < arguments.size() ? arguments[page + 1] : QString());
    QWidget& window = page > 0 ? static_cast<QWidget&>(paged) : bare;
    window.setFixedSize(473, 295);
    if (page < 0) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, EmptyBack);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    window.show();
    return app.exec();
}
