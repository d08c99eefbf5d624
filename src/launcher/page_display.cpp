#include "editing/draw_item_icon.h"
#include "launcher/mosaro.h"
#include "launcher/slot_description.h"

#include "platform/widgets/pic_box.h"
#include "platform/widgets/slot_label.h"

#include <QScrollBar>

QString pageTitle(int curPage, int pageCnt)
{
    return QStringLiteral("Mosaro ver1.0  page [%1/%2]").arg(curPage).arg(pageCnt);
}

void Mosaro::showTitle()
{
    setWindowTitle(pageTitle(store_.CurPage, store_.PageCnt));
}

void Mosaro::DrowData()
{
    showTitle();
    for (int i = 0; i < SlotCount; ++i) {
        const ItemRec& r = store_.ItemTbl(store_.CurPage, i);
        PicBox& pic = *Pic[size_t(i)];
        SlotLabel& lab = *Lab[size_t(i)];
        if (r.Used) {
            pic.setBackColor(colorOf(r));
            DrawItemIcon(pic, r.IconNo, r.IconFile, platform_);
            lab.setBackColor(colorOf(r));
            lab.setText(r.Title);
            lab.setEnabled(true);
            lab.setVisible(true);
        } else {
            pic.Cls();
            pic.setBackColor(EmptyColor);
            lab.setEnabled(false);
            lab.setVisible(false);
        }
        describeSlot(pic, lab, r);
    }
}

void Mosaro::VScroll1_Change()
{
    store_.CurPage = int16_t(VScroll1->value());
    DrowData();
}
