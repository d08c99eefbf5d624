// The modal parts of the desktop platform: message box, input box, popup menu.
#include "platform/desktop/modal_ui.h"

#include <QCursor>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconForStyle(int style)
{
    switch (style & 0x70) {
    case MsgStyle::Stop: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    const char* text;
    int answer;
};

// The buttons of each style, first one the default; the last one answers Escape.
std::vector<ButtonChoice> buttonsForStyle(int style)
{
    switch (style & 0x7) {
    case MsgStyle::OkCancel: return {{"OK", MsgAnswer::Ok}, {"キャンセル", MsgAnswer::Cancel}};
    case 3: return {{"はい", MsgAnswer::Yes}, {"いいえ", MsgAnswer::No}, {"キャンセル", MsgAnswer::Cancel}};
    case MsgStyle::YesNo: return {{"はい", MsgAnswer::Yes}, {"いいえ", MsgAnswer::No}};
    case MsgStyle::RetryCancel: return {{"再試行", MsgAnswer::Retry}, {"キャンセル", MsgAnswer::Cancel}};
    default: return {{"OK", MsgAnswer::Ok}};
    }
}

}  // namespace

int showMessageBox(const QString& text, int style, const QString& title)
{
    QMessageBox box(iconForStyle(style), title, text);
    std::vector<std::pair<QAbstractButton*, int>> answers;
    for (const ButtonChoice& choice : buttonsForStyle(style)) {
        QPushButton* button = box.addButton(QString::fromUtf8(choice.text), QMessageBox::AcceptRole);
        answers.emplace_back(button, choice.answer);
    }
    box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
    box.setEscapeButton(answers.back().first);
    box.exec();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button)
            return answer;
    return answers.back().second;
}

QString askForText(const QString& prompt, const QString& title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal,
                                               QString(), &ok);
    return ok ? text : QString();
}

QString showPopupMenu(const std::vector<MenuEntry>& entries, const QPoint& at)
{
    QMenu menu;
    for (const MenuEntry& entry : entries) {
        if (entry.caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(entry.caption);
        action->setObjectName(entry.name);
        action->setEnabled(entry.enabled);
    }
    QAction* chosen = menu.exec(at);
    return chosen ? chosen->objectName() : QString();
}
