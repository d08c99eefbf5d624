#include "pages/inp_del_pg.h"

#include "pages/dialog_setup.h"
#include "pages/page_moves.h"
#include "platform/platform.h"
#include "platform/widgets/dialog_window.h"
#include "platform/widgets/key_code.h"
#include "platform/widgets/key_text_box.h"
#include "platform/widgets/twips.h"
#include "store/item_store.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
constexpr int MaxDigits = 4;
} // namespace

InpDelPg::InpDelPg(ItemStore& store, Platform& platform)
    : store_(store), platform_(platform)
{
    setObjectName("InpDelPg");
    setUpDialogWindow(*this, QStringLiteral("ページ削除"), 4095, 1695);

    Label1 = addLabel(*this, "Label1", QStringLiteral("10ページ以下は、領域を削除しません。"),
                      {11.25, WarningRed}, 120, 120, 3855, 255);
    createTexPag(0, 120);
    Label2 = addLabel(*this, "Label2", QStringLiteral("から"), {12, {}}, 960, 720, 495, 255);
    createTexPag(1, 1560);
    ComOk = addButton(*this, "ComOk", QStringLiteral("適用"), 1800, 1200, 975, 375);
    ComNot = addButton(*this, "ComNot", QStringLiteral("キャンセル"), 3000, 1200, 975, 375);
    connect(ComOk, &QPushButton::clicked, this, &InpDelPg::ComOk_Click);
    connect(ComNot, &QPushButton::clicked, this, &InpDelPg::ComNot_Click);
    Label2->setBuddy(TexPag[0]);  // names the first page box to screen readers
    setTabOrder(TexPag[0], TexPag[1]);
    setTabOrder(TexPag[1], ComOk);
    setTabOrder(ComOk, ComNot);
    TexPag[0]->setFocus();
}

void InpDelPg::createTexPag(int16_t index, int left)
{
    auto* box = new KeyTextBox(this);
    box->setObjectName(QString("TexPag(%1)").arg(index));
    box->setGeometry(twipsRect(left, 600, 615, 375));
    box->setReadOnly(true);
    // Also cuts text set by code to its first four characters.
    box->setMaxLength(MaxDigits);
    box->onKeyUp = [this, index](int16_t keyCode, int16_t shift) {
        TexPag_KeyUp(index, keyCode, shift);
    };
    box->onKeyPress = [this, index](int16_t& keyAscii) { TexPag_KeyPress(index, keyAscii); };
    connect(box, &QLineEdit::textChanged, this, [this, index] { TexPag_Change(index); });
    TexPag[size_t(index)] = box;
}

void InpDelPg::TexPag_KeyUp(int16_t Index, int16_t KeyCode, int16_t)
{
    if (KeyCode < Key::Digit0 || KeyCode > Key::Digit9)
        return;
    KeyTextBox* box = TexPag[size_t(Index)];
    box->setText(box->text() + QChar(char16_t(KeyCode)));
}

void InpDelPg::TexPag_KeyPress(int16_t Index, int16_t& KeyAscii)
{
    if (KeyAscii != Key::Enter)
        return;
    KeyAscii = 0;
    TexPag[size_t(1 - Index)]->setFocus();
}

void InpDelPg::TexPag_Change(int16_t Index)
{
    if (Index == 0)
        TexPag[1]->setText(TexPag[0]->text());
}

std::optional<int16_t> InpDelPg::pageIn(int16_t index) const
{
    bool ok = false;
    const int v = TexPag[size_t(index)]->text().toInt(&ok);
    if (!ok || v < 0 || v > store_.PageCnt)
        return std::nullopt;
    return int16_t(v);
}

void InpDelPg::ComOk_Click()
{
    const std::optional<int16_t> first = pageIn(0);
    if (!first) {
        TexPag[0]->setText(QStringLiteral("0"));
        return;
    }
    std::optional<int16_t> last = pageIn(1);
    if (!last) {
        TexPag[1]->setText(QStringLiteral("0"));
        return;
    }
    if (*last < *first) {
        TexPag[1]->setText(TexPag[0]->text());
        last = first;
    }

    // Closing the main window while the question is up takes this dialog with it; the data
    // file is written by then, so nothing may change after it.
    const QPointer<InpDelPg> alive(this);
    const int answer = platform_.messageBox(
        QStringLiteral("データが消滅する可能性があります。本当に削除してよろしいですか？"),
        MsgStyle::OkCancel, QStringLiteral("削除確認"));
    if (!alive || answer != MsgAnswer::Ok)
        return;

    deletePages(store_, *first, *last);
    emit pagesDeleted(*first, *last);
    close();
}

void InpDelPg::ComNot_Click()
{
    close();
}
