#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class ItemStore;
class PicBox;
class Platform;
class QLabel;
class QLineEdit;
class QPushButton;
struct ItemRec;

// The item properties dialog: edits the item of the slot it was opened on. Modeless and
// without an owner; Apply stores the edits, Cancel and the close button drop them.
class InpData : public QWidget {
    Q_OBJECT
public:
    // Remembers the slot; every action addresses it even if the user moves elsewhere meanwhile.
    InpData(ItemStore& store, Platform& platform, int16_t page, int16_t slot);
    ~InpData() override;

    void Form_Load();
    // The page the dialog's item is on.
    int16_t page() const { return page_; }
    // Pages were inserted or deleted meanwhile: the item is now on `page`. None: it went with
    // its page, so the dialog closes without storing anything.
    void itemMoved(std::optional<int16_t> page);
    void ComOk_Click();
    void ComNot_Click();
    void ComDel_Click();
    void ComColor_Click();
    void ComIcon_Click();
    void ComShow_Click();
    void Picture1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Text1_KeyPress(int16_t Index, int16_t& KeyAscii);
    void Text1_LostFocus(int16_t Index);

    int32_t EditIconNo = 0;
    int32_t EditColor = 0;

signals:
    // Apply stored the edits in the item.
    void itemApplied();
    // The user closed the dialog; it goes when control returns to the event loop.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void chainFocusOrder();
    ItemRec& record();
    void setSwatch(int32_t bgr);
    void redrawPreview();
    void clearPreview();
    bool allFieldsStorable();
    void refuseApply(const QString& reason);

    ItemStore& store_;
    Platform& platform_;
    int16_t page_;
    const int16_t slot_;
    std::array<QLabel*, 5> Label1{};
    std::array<QLineEdit*, 5> Text1{};
    QPushButton* ComShow = nullptr;
    QPushButton* ComIcon = nullptr;
    QPushButton* ComColor = nullptr;
    QPushButton* ComOk = nullptr;
    QPushButton* ComDel = nullptr;
    QPushButton* ComNot = nullptr;
    PicBox* Picture1 = nullptr;
};
