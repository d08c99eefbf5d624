#include "launcher/mosaro.h"

#include "launcher/slot_keys.h"
#include "platform/widgets/dialog_window.h"
#include "platform/widgets/fonts.h"
#include "platform/widgets/key_code.h"
#include "platform/widgets/pic_box.h"
#include "platform/widgets/slot_accessibility.h"
#include "platform/widgets/slot_label.h"
#include "platform/widgets/twips.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScrollBar>

Mosaro::Mosaro(ItemStore& store, Platform& platform) : store_(store), platform_(platform)
{
    setObjectName("Mosaro");
    setWindowTitle("Mosaro ver1.0");
    setFixedSize(twips(7095), twips(4425));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    installSlotAccessibility();
    createSlots();
    createScrollBar();
    // Tab order: the slots, the scroll bar, then the labels.
    QWidget* previous = Pic[0];
    for (int i = 1; i < SlotCount; ++i) {
        setTabOrder(previous, Pic[size_t(i)]);
        previous = Pic[size_t(i)];
    }
    setTabOrder(previous, VScroll1);
    previous = VScroll1;
    for (SlotLabel* lab : Lab) {
        setTabOrder(previous, lab);
        previous = lab;
    }
    new SlotKeys(*this, store_, platform_, Pic, Lab);
}

Mosaro::~Mosaro()
{
    closeDialogs();
}

void Mosaro::createSlots()
{
    const QFont titleFont = formFont(8.25);
    for (int i = 0; i < SlotCount; ++i) {
        const int16_t index = int16_t(i);
        auto* pic = new PicBox(this);
        pic->setObjectName(QString("Pic(%1)").arg(i));
        pic->setGeometry(twipsRect(120 + 1320 * (i % 5), 120 + 1080 * (i / 5), 1215, 975));
        pic->setBackColor(EmptyColor);
        pic->setFocusPolicy(Qt::TabFocus);
        pic->setAcceptDrops(true);
        pic->onMouseDown = [this, index](int16_t b, int16_t s, float x, float y) {
            Pic_MouseDown(index, b, s, x, y);
        };
        pic->onDragOver = [this, index](const QMimeData* mime) {
            int32_t effect = 0;
            Pic_OLEDragOver(index, mime, effect);
            return effect;
        };
        pic->onDrop = [this, index](const QMimeData* mime) { Pic_OLEDragDrop(index, mime); };

        auto* lab = new SlotLabel(QStringLiteral("Label1"), pic);
        lab->setObjectName(QString("Lab(%1)").arg(i));
        lab->setGeometry(twipsRect(0, 480, 1215, 495));
        lab->setFont(titleFont);
        lab->setFocusPolicy(Qt::TabFocus);
        lab->onMouseDown = [this, index](int16_t b, int16_t s, float x, float y) {
            Lab_MouseDown(index, b, s, x, y);
        };
        Pic[size_t(i)] = pic;
        Lab[size_t(i)] = lab;
    }
}

void Mosaro::createScrollBar()
{
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setAccessibleName(QStringLiteral("ページ"));
    VScroll1->setGeometry(twipsRect(6720, 120, 255, 4215));
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(10);
    // A stop of the tab order, stepped with the arrow and page keys; the window system's own
    // scroll bar menu is not the program's.
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setContextMenuPolicy(Qt::PreventContextMenu);
    // The page changes when a dragged thumb is released, never while it moves.
    VScroll1->setTracking(false);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Mosaro::VScroll1_Change);
}

void Mosaro::showDialog(QPointer<QWidget>& open, const std::function<QWidget*()>& load)
{
    showOnce(open, [this, &load] {
        QWidget* dialog = load();
        platform_.keepOutOfTaskBar(*dialog);
        return dialog;
    });
}

void Mosaro::closeDialogs()
{
    for (QPointer<QWidget>* dialog : {&inpData, &inpPage, &inpDelPg})
        delete dialog->data();
}

void Mosaro::closeEvent(QCloseEvent* event)
{
    closeDialogs();
    Form_Unload();
    event->accept();
}

void Mosaro::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(mouseButtonCode(event->button()), shiftMask(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
}
