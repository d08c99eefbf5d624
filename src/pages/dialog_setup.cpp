#include "pages/dialog_setup.h"

#include "platform/widgets/bgr_color.h"
#include "platform/widgets/fonts.h"
#include "platform/widgets/twips.h"

#include <QLabel>
#include <QPushButton>

QLabel* addLabel(QWidget& dialog, const char* name, const QString& text, const LabelLook& look,
                 int left, int top, int width, int height)
{
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsRect(left, top, width, height));
    label->setFont(formFont(look.pointSize));
    if (look.colorBgr) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, fromBgr(*look.colorBgr));
        label->setPalette(palette);
    }
    return label;
}

QPushButton* addButton(QWidget& dialog, const char* name, const QString& text, int left, int top,
                       int width, int height)
{
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(QLatin1String(name));
    // Enter presses a button only while it has the focus; the dialogs have no default button.
    button->setAutoDefault(true);
    button->setGeometry(twipsRect(left, top, width, height));
    return button;
}
