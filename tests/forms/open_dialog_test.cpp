#include "platform/desktop/file_dialogs.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ProgramFilter =
    QStringLiteral("*.exe(実行ﾌｧｲﾙ);*.scr(ｽｸﾘｰﾝｾｰﾊﾞｰ)|*.exe;*.scr|*.*(全て)|*.*");

// The names the dialog's file list shows, once it shows `expected` or a few seconds have
// passed (the folder is read in the background).
QStringList shownFiles(QFileDialog& dialog, const QString& expected)
{
    auto* list = dialog.findChild<QListView*>("listView");
    QStringList names;
    QDeadlineTimer deadline(5000);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        names.clear();
        const QModelIndex folder = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(folder); ++row) {
            const QModelIndex entry = list->model()->index(row, 0, folder);
            if (entry.flags() & Qt::ItemIsEnabled)
                names << entry.data().toString();
        }
        names.sort();
    } while (names.join(' ') != expected && !deadline.hasExpired());
    return names;
}

TEST(OpenDialog, FilterListBecomesEntriesShownAsWritten)
{
    const QStringList filters = nameFiltersFromList(ProgramFilter);
    ASSERT_EQ(filters.size(), 2);
    EXPECT_TRUE(filters[0].endsWith("(*.exe *.scr)"));

    QFileDialog dialog;
    prepareOpenDialog(dialog, ProgramFilter);
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_TRUE(types);
    const QStringList parts = ProgramFilter.split('|');
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), parts[0]);
    EXPECT_EQ(types->itemText(1), parts[2]);
}

TEST(OpenDialog, PatternsMatchWhateverTheCase)
{
    QTemporaryDir dir;
    for (const char* name : {"SETUP.EXE", "saver.Scr", "readme.txt", "tool.exe"})
        ASSERT_TRUE(writeFile(dir.filePath(name), {}));
    QFileDialog dialog;
    prepareOpenDialog(dialog, ProgramFilter);
    dialog.setDirectory(dir.path());
    dialog.show();
    const QString expected = "SETUP.EXE saver.Scr tool.exe";
    EXPECT_EQ(shownFiles(dialog, expected).join(' '), expected);
}

TEST(OpenDialog, EveryEntryListsWhatItWouldOnWindowsPlusThePrograms)
{
    QTemporaryDir dir;
    const auto make = [&](const char* name, const QByteArray& content, bool executable) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    make("SETUP.EXE", "MZ", false);
    make("README", "read me", false);
    make("tool", "#!/bin/sh\n", true);
    make("memo.txt", "memo", false);
    make("notes", "executable, but no program", true);
    make("script", "#!/bin/sh\n", false);
    QDir(dir.path()).mkdir("sub");

    QFileDialog dialog;
    prepareOpenDialog(dialog, ProgramFilter);
    dialog.setDirectory(dir.path());
    dialog.show();
    const QString programs = "SETUP.EXE sub tool";
    EXPECT_EQ(shownFiles(dialog, programs).join(' '), programs);

    // Choosing the entry as a user does, in the file type box.
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_TRUE(types);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    ASSERT_EQ(types->currentIndex(), 1);
    const QString everything = "README SETUP.EXE memo.txt notes script sub tool";
    EXPECT_EQ(shownFiles(dialog, everything).join(' '), everything);

    QTest::keyClick(types, Qt::Key_Up);
    EXPECT_EQ(shownFiles(dialog, programs).join(' '), programs);
}

} // namespace
