#pragma once

#include "platform/platform.h"
#include "store/item_store.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class InpData;
class PicBox;
class SlotLabel;
class QMimeData;
class QScrollBar;

// The main window: one page of 20 slots beside the page scroll bar. Every member is compiled
// into the launcher target; docs/architecture.md maps each handler to its file.
class Mosaro : public QWidget {
    Q_OBJECT
public:
    Mosaro(ItemStore& store, Platform& platform);
    ~Mosaro() override;

    // Start-up and shutdown
    enum class LoadOutcome { Run, CannotRead };
    // Anything but Run means the program ends at once, without writing the data file.
    LoadOutcome Form_Load();
    // Tells about a damaged data file; run once the window is on screen.
    void reportLoadProblems();
    void Form_Unload();
    void mnuFrmQit_Click();

    // Page display
    void DrowData();
    void VScroll1_Change();
    QScrollBar* VScroll1 = nullptr;

    // Slot clicks and launching
    void Pic_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Lab_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);

    // File drop
    void Pic_OLEDragOver(int16_t Index, const QMimeData* Data, int32_t& Effect);
    void Pic_OLEDragDrop(int16_t Index, const QMimeData* Data);

    // Slot commands, in editing/
    void mnuPopCut_Click();
    void mnuPopCopy_Click();
    void mnuPopPest_Click();
    void mnuPopIns_Click();
    void mnuPopDelMove_Click();
    void mnuPopMove_Click();
    void mnuPopDel_Click();
    void mnuPopProp_Click();

    // Page commands, in pages/
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void openPageMenu();
    void mnuFrmSave_Click();
    void mnuFrmIns_Click();
    void mnuFrmJamp_Click();
    void mnuFrmMake_Click();
    void mnuFrmDel_Click();

    // The modeless dialogs, each open at most once; closed with the main window.
    QPointer<QWidget> inpData;
    QPointer<QWidget> inpPage;
    QPointer<QWidget> inpDelPg;

signals:
    // Form_Unload has dealt with the data file: written, or the user gave up writing it.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createSlots();
    void createScrollBar();
    void closeDialogs();
    // Shows the dialog tracked in `open`, made by `load` when none is open; a new one is kept
    // out of the task bar.
    void showDialog(QPointer<QWidget>& open, const std::function<QWidget*()>& load);
    // The open item properties dialog, if any; page moves tell it where its item went.
    InpData* itemDialog() const;
    // Writes only the title, for commands that change PageCnt without a redraw.
    void showTitle();

    ItemStore& store_;
    Platform& platform_;
    std::array<PicBox*, SlotCount> Pic{};
    std::array<SlotLabel*, SlotCount> Lab{};
    QString loadProblems_;
};

// "Mosaro ver1.0  page [cur/cnt]"
QString pageTitle(int curPage, int pageCnt);
