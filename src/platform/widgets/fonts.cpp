#include "platform/widgets/fonts.h"

#include <QStringList>

namespace {
const QString FormFamily = QStringLiteral("ＭＳ Ｐゴシック");
} // namespace

QFont formFont(qreal pointSize)
{
    QFont font(FormFamily);
    font.setPointSizeF(pointSize);
    return font;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(FormFamily,
                               QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                           QStringLiteral("Noto Sans CJK JP"),
                                           QStringLiteral("VL PGothic")});
}
