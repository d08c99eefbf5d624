#pragma once

#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// Pages whose items say which page they were made on, for following pages as they move.
class PageTest : public FormTest {
protected:
    // Closing the main window writes the data file: keep it out of the way.
    QTemporaryDir dir;
    void SetUp() override { platform.folder = dir.path(); }

    // Fills slots 0 and 19 of pages 0 to `last` with items titled "p<page>".
    void markPages(int last)
    {
        for (int p = 0; p <= last; ++p)
            for (int s : {0, 19})
                store.ItemTbl(p, s) = item(QString("p%1").arg(p));
    }
    QString markOf(int page) { return store.ItemTbl(page, 0).Title; }
    bool pageIsClear(int page)
    {
        for (int s = 0; s < SlotCount; ++s)
            if (store.ItemTbl(page, s) != clearedItem())
                return false;
        return true;
    }
    // The widget Tab moves the focus to.
    static QWidget* nextTabStop(QWidget* w)
    {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    }
    // Lets closed dialogs go, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
