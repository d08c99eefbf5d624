#include "platform/widgets/slot_accessibility.h"

#include "platform/widgets/pic_box.h"
#include "platform/widgets/slot_label.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* slotInterface(const QString&, QObject* object)
{
    if (auto* pic = qobject_cast<PicBox*>(object))
        return new QAccessibleWidget(pic, QAccessible::Button);
    if (auto* lab = qobject_cast<SlotLabel*>(object))
        return new QAccessibleWidget(lab, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installSlotAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(slotInterface);
}
