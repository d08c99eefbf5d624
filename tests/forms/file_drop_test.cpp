#include "support/form_fixture.h"

#include "support/files.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

std::unique_ptr<QMimeData> files(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

class FileDrop : public FormTest {
protected:
    // Drags over a widget as the window system would; true when a copy is offered.
    bool dragOver(QWidget& target, const QMimeData& data)
    {
        QDragEnterEvent event(QPoint(5, 40), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, {});
        QApplication::sendEvent(&target, &event);
        return event.isAccepted() && event.dropAction() == Qt::CopyAction;
    }
    // The drop goes where the drag was last accepted, as during a real drag.
    void drop(QWidget& target, const QMimeData& data)
    {
        dragOver(target, data);
        QDropEvent event(QPointF(5, 40), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&target, &event);
    }
    int32_t effect(const QMimeData& data)
    {
        int32_t result = -1;
        window->Pic_OLEDragOver(0, &data, result);
        return result;
    }
};

TEST_F(FileDrop, OnlyLocalFilesAreOffered)
{
    store.ItemTbl(0, 1) = item("used");
    openWindow();
    const auto local = files({"/home/u/a.txt", "/home/u/b.txt"});
    EXPECT_EQ(effect(*local), 1);
    EXPECT_TRUE(dragOver(pic(0), *local));
    EXPECT_TRUE(dragOver(lab(1), *local));  // the label of a used slot belongs to it

    QMimeData text;
    text.setText("/home/u/a.txt");
    EXPECT_EQ(effect(text), 0);
    EXPECT_FALSE(dragOver(pic(0), text));
    QMimeData web;
    web.setUrls({QUrl("https://example.org/a.txt")});
    EXPECT_EQ(effect(web), 0);
    EXPECT_FALSE(dragOver(pic(1), web));
}

TEST_F(FileDrop, ProgramFillsTheSlotOfThePageOnScreen)
{
    openWindow(5);
    store.CurPage = 2;
    window->DrowData();
    drop(pic(3), *files({"/opt/tools/app.exe", "/opt/tools/other.exe", "/opt/x.txt"}));

    const ItemRec& r = store.ItemTbl(2, 3);
    EXPECT_TRUE(r.Used);
    EXPECT_EQ(r.ProgName, QStringLiteral("/opt/tools/app.exe"));
    EXPECT_EQ(r.InitDir, QStringLiteral("/opt/tools/"));
    EXPECT_EQ(r.IconFile, QStringLiteral("/opt/tools/app.exe"));
    EXPECT_EQ(r.Title, QStringLiteral("app"));
    EXPECT_EQ(r.IconNo, 0);
    EXPECT_EQ(r.ItemColor, NewItemColor);
    EXPECT_FALSE(r.IsDoc);
    EXPECT_EQ(r.AssocExe, QString());
    EXPECT_TRUE(platform.lookups.empty());
    EXPECT_FALSE(store.ItemTbl(2, 4).Used);  // one drop fills one slot
    EXPECT_EQ(store.CurSlot, 0);
    EXPECT_EQ(lab(3).text(), QStringLiteral("app"));  // redrawn at once
    EXPECT_TRUE(lab(3).isVisibleTo(window.get()));
}

TEST_F(FileDrop, DocumentTakesItsAssociatedProgramAndKeepsTheSlotsParameters)
{
    ItemRec old = item("old");
    old.CmdParam = "--keep ";
    old.IconNo = 4;
    store.ItemTbl(0, 7) = old;
    platform.associations["report.final.txt"] = "/usr/bin/editor";
    openWindow();
    drop(lab(7), *files({"/home/u/docs/report.final.txt"}));

    const ItemRec& r = store.ItemTbl(0, 7);
    ASSERT_EQ(platform.lookups.size(), 1u);
    EXPECT_EQ(platform.lookups[0],
              std::make_pair(QStringLiteral("report.final.txt"), QStringLiteral("/opt/mosaro")));
    EXPECT_TRUE(r.IsDoc);
    EXPECT_EQ(r.Title, QStringLiteral("report.final"));
    EXPECT_EQ(r.AssocExe, QStringLiteral("/usr/bin/editor"));
    EXPECT_EQ(r.IconFile, QStringLiteral("/usr/bin/editor"));
    EXPECT_EQ(r.IconNo, 0);
    EXPECT_EQ(r.CmdParam, QStringLiteral("--keep "));
    EXPECT_EQ(lab(7).text(), QStringLiteral("report.final"));

    // Mixed case is no program; nothing opens this one.
    drop(pic(8), *files({"/setup/Install.Exe"}));
    const ItemRec& unknown = store.ItemTbl(0, 8);
    EXPECT_TRUE(unknown.Used);
    EXPECT_TRUE(unknown.IsDoc);
    EXPECT_EQ(unknown.AssocExe, QString());
    EXPECT_EQ(unknown.IconFile, QString());
    EXPECT_EQ(unknown.Title, QStringLiteral("Install"));
}

TEST_F(FileDrop, FoldersNamesWithoutDotAndTheRoot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("v1.2 tools");
    QDir().mkpath(folder);
    const QString script = dir.filePath("run");
    ASSERT_TRUE(writeFile(script, "#!/bin/sh\n", FileMode::Executable));
    platform.associations[folder] = "/usr/bin/files";
    openWindow();

    drop(pic(0), *files({folder + "/"}));
    const ItemRec& f = store.ItemTbl(0, 0);
    EXPECT_EQ(f.ProgName, folder);
    EXPECT_EQ(f.InitDir, dir.path() + "/");
    EXPECT_EQ(f.Title, QStringLiteral("v1"));
    EXPECT_TRUE(f.IsDoc);
    EXPECT_EQ(f.AssocExe, QStringLiteral("/usr/bin/files"));

    drop(pic(1), *files({script}));
    EXPECT_FALSE(store.ItemTbl(0, 1).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 1).Title, QStringLiteral("run"));

    drop(pic(2), *files({"/home/u/README"}));
    EXPECT_EQ(store.ItemTbl(0, 2).Title, QStringLiteral("README"));
    EXPECT_TRUE(store.ItemTbl(0, 2).IsDoc);

    drop(pic(3), *files({"/"}));
    EXPECT_EQ(store.ItemTbl(0, 3).Title, QStringLiteral("/"));
    EXPECT_EQ(store.ItemTbl(0, 3).InitDir, QStringLiteral("/"));

    // Names that tell nothing by themselves are looked up by their whole path.
    ASSERT_EQ(platform.lookups.size(), 3u);
    EXPECT_EQ(platform.lookups[0].first, folder);
    EXPECT_EQ(platform.lookups[1].first, QStringLiteral("/home/u/README"));
    EXPECT_EQ(platform.lookups[2].first, QStringLiteral("/"));
}

TEST_F(FileDrop, TextAndUnstorableNamesLeaveTheSlotAlone)
{
    store.ItemTbl(0, 4) = item("kept");
    openWindow();
    QMimeData text;
    text.setText("/opt/tools/app.exe");
    drop(pic(4), text);
    window->Pic_OLEDragDrop(4, &text);
    EXPECT_EQ(store.ItemTbl(0, 4), item("kept"));
    EXPECT_TRUE(platform.messages.empty());

    const QString unstorable = "/home/u/say \"hi\".txt";
    drop(pic(4), *files({unstorable}));
    EXPECT_EQ(store.ItemTbl(0, 4), item("kept"));
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(platform.messages[0], containing({unstorable}),
                  MsgStyle::OkOnly + MsgStyle::Exclamation, "Mosaro");
}

TEST_F(FileDrop, DesktopEntryBecomesAProgramItemNamedByTheEntry)
{
    const QString im = "/usr/share/applications/display-im6.q16.desktop";
    platform.desktopEntries[im] = {QString::fromUtf8("画像表示 (q16)"), "/opt/im"};
    openWindow();
    drop(pic(0), *files({im}));

    const ItemRec& r = store.ItemTbl(0, 0);
    EXPECT_TRUE(r.Used);
    EXPECT_FALSE(r.IsDoc);
    EXPECT_EQ(r.ProgName, im);
    EXPECT_EQ(r.Title, QString::fromUtf8("画像表示 (q16)"));
    EXPECT_EQ(r.InitDir, QStringLiteral("/opt/im/"));
    EXPECT_EQ(r.IconFile, im);  // the icon code reads the entry's Icon
    EXPECT_EQ(r.AssocExe, QString());
    EXPECT_TRUE(platform.lookups.empty());

    // An entry that says nothing of itself is named and placed like any program file.
    drop(pic(1), *files({"/home/u/Desktop/tool.desktop"}));
    EXPECT_FALSE(store.ItemTbl(0, 1).IsDoc);
    EXPECT_EQ(store.ItemTbl(0, 1).Title, QStringLiteral("tool"));
    EXPECT_EQ(store.ItemTbl(0, 1).InitDir, QStringLiteral("/home/u/Desktop/"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FileDrop, AnythingTheDataFileCannotHoldIsRefusedNamingItsCharacter)
{
    store.ItemTbl(0, 4) = item("kept");
    const QString association =
        QString::fromUtf8("/home/ren\u00E9/.local/share/applications/v.desktop");
    platform.associations["photo.jpg"] = association;
    const QString entry = "/opt/apps/cafe.desktop";
    platform.desktopEntries[entry] = {QString::fromUtf8("Caf\u00E9"), QString()};
    openWindow();

    drop(pic(4), *files({"/home/u/photo.jpg"}));
    drop(pic(4), *files({entry}));
    drop(pic(5), *files({"/home/u/say \"hi\".txt"}));

    EXPECT_EQ(store.ItemTbl(0, 4), item("kept"));
    EXPECT_FALSE(store.ItemTbl(0, 5).Used);
    ASSERT_EQ(platform.messages.size(), 3u);
    const int refused = MsgStyle::OkOnly + MsgStyle::Exclamation;
    expectMessage(platform.messages[0],
                  containing({association, "/home/u/photo.jpg",
                              QString::fromUtf8("「é」（U+00E9）")}),
                  refused, "Mosaro");
    expectMessage(platform.messages[1], containing({entry, QString::fromUtf8("「é」")}), refused,
                  "Mosaro");
    expectMessage(platform.messages[2], containing({QString::fromUtf8("「\"」（U+0022）")}),
                  refused, "Mosaro");
}

}  // namespace
