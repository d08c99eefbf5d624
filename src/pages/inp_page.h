#pragma once

#include <QWidget>

class ItemStore;
class QLabel;
class QPushButton;
class QScrollBar;

// The page creation dialog: picks a new highest page number between the present one and the
// table's last page.
class InpPage : public QWidget {
    Q_OBJECT
public:
    explicit InpPage(ItemStore& store);

    void Form_Load();
    void HScroll1_Scroll();
    void HScroll1_Change();
    void ComOk_Click();
    void ComNot_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* labPage = nullptr;
    QPushButton* ComOk = nullptr;
    QPushButton* ComNot = nullptr;

signals:
    // Apply set PageCnt; the pages themselves are unchanged.
    void pageCountChanged();

private:
    ItemStore& store_;
};
