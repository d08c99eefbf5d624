#pragma once

#include "platform/platform.h"
#include "store/item_store.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class PicBox;
class SlotLabel;
class QMimeData;
class QScrollBar;

// The main window: one page of 20 slots beside the page scroll bar. Its handlers are spread
// over the folders of their subsystems: start-up, display, clicks and drops here; the slot
// commands in editing/; the page commands in pages/.
class Mosaro : public QWidget {
    Q_OBJECT
public:
    Mosaro(ItemStore& store, Platform& platform);
    ~Mosaro() override;

    ItemStore& store() { return store_; }
    Platform& platform() { return platform_; }

    // Start-up and shutdown (launcher/startup.cpp)
    enum class LoadOutcome { Run, AnotherInstance, CannotRead };
    // Anything but Run means the program ends at once, without writing the data file.
    LoadOutcome Form_Load();
    // Tells about a damaged data file; run once the window is on screen.
    void reportLoadProblems();
    void Form_Unload();
    void mnuFrmQit_Click();

    // Page display (launcher/page_display.cpp)
    void DrowData();
    void VScroll1_Change();
    // Writes only the title, for commands that change PageCnt without a redraw.
    void showTitle();
    QScrollBar* VScroll1 = nullptr;

    // Slot clicks and launching (launcher/slot_clicks.cpp)
    void Pic_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Lab_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);

    // File drop (launcher/file_drop.cpp)
    void Pic_OLEDragOver(int16_t Index, const QMimeData* Data, int32_t& Effect);
    void Pic_OLEDragDrop(int16_t Index, const QMimeData* Data);

    // Slot commands (editing/slot_commands.cpp, editing/inp_data.cpp)
    void mnuPopCut_Click();
    void mnuPopCopy_Click();
    void mnuPopPest_Click();
    void mnuPopIns_Click();
    void mnuPopDelMove_Click();
    void mnuPopMove_Click();
    void mnuPopDel_Click();
    void mnuPopProp_Click();

    // Page commands (pages/page_commands.cpp, pages/inp_page.cpp, pages/inp_del_pg.cpp)
    void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void openPageMenu();
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

    ItemStore& store_;
    Platform& platform_;
    std::array<PicBox*, SlotCount> Pic{};
    std::array<SlotLabel*, SlotCount> Lab{};
    QString loadProblems_;
};

// "Mosaro ver1.0  page [cur/cnt]"
QString pageTitle(int curPage, int pageCnt);
