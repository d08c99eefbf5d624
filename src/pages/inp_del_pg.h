#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class KeyTextBox;
class ItemStore;
class Platform;
class QLabel;
class QPushButton;

// The page deletion dialog: removes the pages from TexPag(0) to TexPag(1). The boxes are
// locked; only the digit keys append to them. It has no Form_Load: the boxes start empty and
// the page count is read when Apply is pressed.
class InpDelPg : public QWidget {
    Q_OBJECT
public:
    InpDelPg(ItemStore& store, Platform& platform);

    void TexPag_KeyUp(int16_t Index, int16_t KeyCode, int16_t Shift);
    void TexPag_KeyPress(int16_t Index, int16_t& KeyAscii);
    void TexPag_Change(int16_t Index);
    void ComOk_Click();
    void ComNot_Click();

    QLabel* Label1 = nullptr;
    std::array<KeyTextBox*, 2> TexPag{};
    QLabel* Label2 = nullptr;
    QPushButton* ComOk = nullptr;
    QPushButton* ComNot = nullptr;

signals:
    // Apply removed pages first to last; PageCnt and CurPage may have come down.
    void pagesDeleted(int16_t first, int16_t last);

private:
    void createTexPag(int16_t index, int left);
    // The page number in a box; none when it is empty or outside 0 to PageCnt.
    std::optional<int16_t> pageIn(int16_t index) const;

    ItemStore& store_;
    Platform& platform_;
};
