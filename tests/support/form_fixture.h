#pragma once

#include "launcher/mosaro.h"
#include "platform/widgets/pic_box.h"
#include "platform/widgets/slot_label.h"
#include "store/item_store.h"
#include "support/expect_message.h"
#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include <memory>

// A main window over a fresh store and a scripted platform, loaded as at start-up.
class FormTest : public ::testing::Test {
protected:
    ItemStore store;
    ScriptedPlatform platform;
    std::unique_ptr<Mosaro> window;

    // Builds the window; call after preparing the store's table (it is not loaded from disk).
    void openWindow(int16_t pageCnt = 0)
    {
        store.PageCnt = pageCnt;
        window = std::make_unique<Mosaro>(store, platform);
        window->VScroll1->setMaximum(store.PageCnt);
        window->DrowData();
    }

    PicBox& pic(int i) { return *window->findChild<PicBox*>(QString("Pic(%1)").arg(i)); }
    SlotLabel& lab(int i) { return *window->findChild<SlotLabel*>(QString("Lab(%1)").arg(i)); }

    // A used item with distinct texts.
    static ItemRec item(const QString& title, int32_t color = NewItemColor)
    {
        ItemRec r;
        r.Used = true;
        r.ProgName = "/opt/tools/" + title;
        r.InitDir = "/opt/tools/";
        r.IconFile = "/opt/tools/" + title;
        r.Title = title;
        r.ItemColor = color;
        return r;
    }
};
