#include "pages/inp_page.h"

#include "pages/dialog_setup.h"
#include "platform/widgets/dialog_window.h"
#include "platform/widgets/h_scroll_bar.h"
#include "platform/widgets/twips.h"
#include "store/item_store.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int32_t Blue = 0xFF0000;
} // namespace

InpPage::InpPage(ItemStore& store) : store_(store)
{
    setObjectName("InpPage");
    setUpDialogWindow(*this, QStringLiteral("ページ作成"), 4680, 2025);

    Label1 = addLabel(*this, "Label1", QStringLiteral("最大1000まで作成できます。"), {11.25, {}},
                      240, 120, 2775, 255);
    HScroll1 = new HScrollBar(this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(twipsRect(120, 840, 4335, 255));
    HScroll1->setRange(0, MaxPage);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    // Change comes when the thumb is released; while it is dragged, Scroll follows it.
    HScroll1->setTracking(false);
    connect(HScroll1, &QScrollBar::sliderMoved, this, &InpPage::HScroll1_Scroll);
    connect(HScroll1, &QScrollBar::valueChanged, this, &InpPage::HScroll1_Change);
    ComOk = addButton(*this, "ComOk", QStringLiteral("適用"), 2280, 1320, 975, 375);
    ComNot = addButton(*this, "ComNot", QStringLiteral("キャンセル"), 3480, 1320, 975, 375);
    connect(ComOk, &QPushButton::clicked, this, &InpPage::ComOk_Click);
    connect(ComNot, &QPushButton::clicked, this, &InpPage::ComNot_Click);
    Label2 = addLabel(*this, "Label2", QStringLiteral("ここでは少なくできません。"),
                      {11.25, WarningRed}, 240, 480, 2775, 255);
    labPage = addLabel(*this, "labPage", QString(), {12, Blue}, 960, 1320, 735, 255);
    Label1->setBuddy(HScroll1);  // names the bar to screen readers
    setTabOrder(HScroll1, ComOk);
    setTabOrder(ComOk, ComNot);
    HScroll1->setFocus();
}

void InpPage::Form_Load()
{
    // The position follows the minimum up from 0.
    HScroll1->setMinimum(store_.PageCnt);
    labPage->setText(QString::number(HScroll1->value()));
}

void InpPage::HScroll1_Scroll()
{
    labPage->setText(QString::number(HScroll1->sliderPosition()));
}

void InpPage::HScroll1_Change()
{
    labPage->setText(QString::number(HScroll1->value()));
}

void InpPage::ComOk_Click()
{
    store_.PageCnt = int16_t(HScroll1->value());
    emit pageCountChanged();
    close();
}

void InpPage::ComNot_Click()
{
    close();
}
