#include "editing/inp_data.h"

#include "editing/draw_item_icon.h"
#include "editing/item_from_file.h"
#include "platform/platform.h"
#include "platform/widgets/bgr_color.h"
#include "platform/widgets/dialog_window.h"
#include "platform/widgets/fonts.h"
#include "platform/widgets/key_code.h"
#include "platform/widgets/pic_box.h"
#include "platform/widgets/twips.h"
#include "store/item_kind.h"
#include "store/item_store.h"
#include "store/storable_text.h"
#include "store/windows_forms.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int TextBoxCount = 5;
constexpr int IconField = 2;
constexpr int ParamField = 3;
constexpr int TitleField = 4;
constexpr int32_t LastIconNo = 999;

const QString Caption = QStringLiteral("データ入力");

QString lineBreaksRemoved(const QString& text, int& cursor)
{
    static const QString lineBreaks = QStringLiteral("\r\n\u0085\u2028\u2029");
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (lineBreaks.contains(text.at(i)))
            continue;
        kept.append(text.at(i));
        if (i < cursor)
            ++keptBeforeCursor;
    }
    cursor = keptBeforeCursor;
    return kept;
}

// The data file has one line per item, so a pasted line break must not reach a field.
void keepSingleLine(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        int cursor = box->cursorPosition();
        const QString kept = lineBreaksRemoved(text, cursor);
        if (kept.size() == text.size())
            return;
        box->setText(kept);
        box->setCursorPosition(cursor);
    });
}

// Linux input methods type a few characters (the wave dash among them) in forms the data file
// cannot hold; a title takes the forms Windows input gives, as typed or pasted. Paths keep
// what was typed, or the file would no longer be found.
void keepWindowsForms(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box] {
        // Read afresh: an earlier handler may already have changed the text.
        const QString text = box->text();
        const QString converted = toWindowsForms(text);
        if (converted == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(converted);
        box->setCursorPosition(cursor);
    });
}

} // namespace

InpData::InpData(ItemStore& store, Platform& platform, int16_t page, int16_t slot)
    : store_(store), platform_(platform), page_(page), slot_(slot)
{
    setObjectName("InpData");
    setUpDialogWindow(*this, Caption, 4680, 3345);
    createControls();
    chainFocusOrder();
}

InpData::~InpData()
{
    // Focus moves while the children go; their events must not reach a half-destroyed dialog.
    for (QLineEdit* box : Text1)
        box->removeEventFilter(this);
}

void InpData::createControls()
{
    const QString captions[TextBoxCount] = {
        QStringLiteral("プログラム名"), QStringLiteral("初期化ディレクトリー"),
        QStringLiteral("使用アイコン"), QStringLiteral("ｺﾏﾝﾄﾞﾗｲﾝﾊﾟﾗﾒｰﾀｰ"),
        QStringLiteral("タイトル")};
    const int boxWidths[TextBoxCount] = {2175, 2895, 2175, 2895, 2895};
    for (int i = 0; i < TextBoxCount; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QString("Label1(%1)").arg(i));
        label->setGeometry(twipsRect(120, 120 + 480 * i, 1575, 255));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label1[size_t(i)] = label;

        auto* box = new QLineEdit(this);
        box->setObjectName(QString("Text1(%1)").arg(i));
        box->setGeometry(twipsRect(1800, 480 * i, boxWidths[i], 375));
        box->installEventFilter(this);
        keepSingleLine(box);
        label->setBuddy(box);  // which also names the box to screen readers
        Text1[size_t(i)] = box;
    }
    keepWindowsForms(Text1[TitleField]);

    auto makeButton = [this](const char* name, const QString& caption, QRect geometry,
                             void (InpData::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(geometry);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    const QString browse = QStringLiteral("参照");
    ComShow = makeButton("ComShow", browse, twipsRect(4080, 0, 495, 375), &InpData::ComShow_Click);
    ComIcon =
        makeButton("ComIcon", browse, twipsRect(4080, 960, 495, 375), &InpData::ComIcon_Click);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(twipsRect(0, 2280, 4695, 135));

    ComColor = makeButton("ComColor", QString(), twipsRect(1080, 2520, 3495, 255),
                          &InpData::ComColor_Click);

    Picture1 = new PicBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(twipsRect(240, 2640, 495, 495));
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture1->setBackColor(NewItemColor);
    Picture1->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        Picture1_MouseDown(button, shift, x, y);
    };

    ComOk = makeButton("ComOk", QStringLiteral("適用"), twipsRect(1080, 2880, 1095, 375),
                       &InpData::ComOk_Click);
    ComDel = makeButton("ComDel", QStringLiteral("削除"), twipsRect(2280, 2880, 1095, 375),
                        &InpData::ComDel_Click);
    ComNot = makeButton("ComNot", QStringLiteral("キャンセル"), twipsRect(3480, 2880, 1095, 375),
                        &InpData::ComNot_Click);
}

void InpData::chainFocusOrder()
{
    QWidget* const order[] = {Text1[0], Text1[1], Text1[2], Text1[3], Text1[4], Picture1,
                              ComShow,  ComIcon,  ComOk,    ComDel,   ComNot,   ComColor};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

ItemRec& InpData::record()
{
    return store_.ItemTbl(page_, slot_);
}

void InpData::setSwatch(int32_t bgr)
{
    QPalette pal = ComColor->palette();
    pal.setColor(QPalette::Button, fromBgr(bgr));
    ComColor->setPalette(pal);
}

void InpData::redrawPreview()
{
    DrawItemIcon(*Picture1, EditIconNo, Text1[IconField]->text(), platform_);
}

void InpData::clearPreview()
{
    // Setting the background erases the picture as well.
    Picture1->setBackColor(NewItemColor);
}

void InpData::Form_Load()
{
    const ItemRec& r = record();
    if (r.Used) {
        Text1[0]->setText(r.ProgName);
        Text1[1]->setText(r.InitDir);
        Text1[2]->setText(r.IconFile);
        Text1[3]->setText(r.CmdParam);
        Text1[TitleField]->setText(r.Title);
        setSwatch(colorOf(r));
        EditColor = colorOf(r);
        EditIconNo = r.IconNo;
        redrawPreview();
    } else {
        for (QLineEdit* box : Text1)
            box->clear();
        EditColor = NewItemColor;
        setSwatch(EditColor);
        EditIconNo = 0;
        Picture1->Cls();
    }
}

void InpData::itemMoved(std::optional<int16_t> page)
{
    if (page)
        page_ = *page;
    else
        close();
}

bool InpData::allFieldsStorable()
{
    for (int i = 0; i < TextBoxCount; ++i) {
        const QString character = unstorableCharacter(Text1[size_t(i)]->text());
        if (character.isEmpty())
            continue;
        Text1[size_t(i)]->setFocus();
        refuseApply(QStringLiteral("「%1」に保存できない文字%2が含まれています。\n"
                                   "その文字を取り除いてから、もう一度「%3」を押してください。")
                        .arg(Label1[size_t(i)]->text(), character, ComOk->text()));
        return false;
    }
    // The association comes from the program browse, not from a box, but is stored all the same.
    const QString& association = record().AssocExe;
    const QString character = unstorableCharacter(association);
    if (!character.isEmpty()) {
        refuseApply(QStringLiteral("関連付けられたプログラム「%1」に保存できない文字%2が含まれています。\n"
                                   "「%3」の「%4」で選び直してください。")
                        .arg(association, character, Label1[0]->text(), ComShow->text()));
        return false;
    }
    return true;
}

void InpData::refuseApply(const QString& reason)
{
    platform_.messageBox(reason + QStringLiteral("何も保存していません。"), MsgStyle::Exclamation,
                         Caption);
    // Nothing more here: the dialog may be gone once the box returns (the program was told
    // to quit meanwhile).
}

void InpData::ComOk_Click()
{
    // Pages above PageCnt are not saved: an item stored there would vanish without a word
    // and come back with a later page creation.
    if (page_ > store_.PageCnt) {
        close();
        return;
    }
    if (!allFieldsStorable())
        return;
    ItemRec& r = record();
    r.ProgName = Text1[0]->text();
    r.InitDir = Text1[1]->text();
    r.IconFile = Text1[2]->text();
    r.CmdParam = Text1[ParamField]->text() + QLatin1Char(' ');
    r.Title = Text1[TitleField]->text();
    r.IconNo = EditIconNo;
    r.ItemColor = EditColor;
    r.Used = true;
    emit itemApplied();
    close();
}

void InpData::ComNot_Click()
{
    ItemRec& r = record();
    if (!r.Used) {
        r.IsDoc = false;
        r.AssocExe.clear();
        r.ItemColor = EmptyColor;
    }
    close();
}

void InpData::ComDel_Click()
{
    for (QLineEdit* box : Text1)
        box->clear();
}

void InpData::ComColor_Click()
{
    QPointer<InpData> alive(this);
    const std::optional<int32_t> chosen = platform_.chooseColor();
    if (!alive || !chosen)
        return;
    // Black cannot be chosen: it stands for the default colour.
    EditColor = *chosen != 0 ? *chosen : NewItemColor;
    setSwatch(EditColor);
}

void InpData::ComIcon_Click()
{
    QPointer<InpData> alive(this);
    const std::optional<FileChoice> chosen = platform_.openFile(
        QStringLiteral("*.exe(実行ﾌｧｲﾙ)|*.exe|*.ico(ｱｲｺﾝ)|*.ico|*.*(全て)|*.*"));
    if (!alive || !chosen)
        return;
    Text1[IconField]->setText(chosen->fullPath);
    EditIconNo = 0;
    clearPreview();
    redrawPreview();
}

void InpData::ComShow_Click()
{
    QPointer<InpData> alive(this);
    const std::optional<FileChoice> chosen = platform_.openFile(
        QStringLiteral("*.exe(実行ﾌｧｲﾙ);*.scr(ｽｸﾘｰﾝｾｰﾊﾞｰ)|*.exe;*.scr|*.*(全て)|*.*"));
    if (!alive || !chosen)
        return;
    const QString& path = chosen->fullPath;
    const FileItem made = itemFromFile(path, path, platform_);
    const QString unstorable = unstorableItemReason(path, made);
    if (!unstorable.isEmpty()) {
        // The fields stay as they were: nothing the data file cannot hold gets in.
        platform_.messageBox(QStringLiteral("「%1」は選べません。\n\n%2").arg(path, unstorable),
                             MsgStyle::Exclamation, Caption);
        return;
    }
    Text1[0]->setText(path);
    Text1[1]->setText(made.folder);
    Text1[IconField]->setText(made.iconFile);
    Text1[TitleField]->setText(made.title);
    EditIconNo = 0;

    // The type, the association and the default colour go into the record at once.
    ItemRec& r = record();
    r.ItemColor = NewItemColor;
    r.IsDoc = made.isDoc;
    r.AssocExe = made.assocExe;
    redrawPreview();
}

void InpData::Picture1_MouseDown(int16_t Button, int16_t, float, float)
{
    const int64_t next = int64_t(EditIconNo) + (Button == MouseButton::Right ? 1 : -1);
    EditIconNo = next < 0 || next > LastIconNo ? 0 : int32_t(next);
    clearPreview();
    redrawPreview();
}

void InpData::Text1_KeyPress(int16_t Index, int16_t& KeyAscii)
{
    if (KeyAscii != Key::Enter)
        return;
    KeyAscii = 0;
    if (Index == IconField)
        redrawPreview();
}

void InpData::Text1_LostFocus(int16_t Index)
{
    if (Index == IconField)
        redrawPreview();
}

bool InpData::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(Text1.begin(), Text1.end(), watched);
    if (found == Text1.end())
        return QWidget::eventFilter(watched, event);
    const auto index = int16_t(found - Text1.begin());
    if (event->type() == QEvent::FocusOut) {
        Text1_LostFocus(index);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter && key->text().isEmpty())
            return false; // not a character key
        int16_t code = enter ? Key::Enter : int16_t(key->text().at(0).unicode());
        Text1_KeyPress(index, code);
        return code == 0;
    }
    return QWidget::eventFilter(watched, event);
}

void InpData::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        ComNot_Click();
    else
        QWidget::keyPressEvent(event);
}

void InpData::closeEvent(QCloseEvent* event)
{
    // Closing drops the dialog's edits; the next opening loads afresh.
    emit closed();
    event->accept();
}
