#include "platform/desktop/file_dialogs.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

namespace {

const QString ProgramFilter =
    QStringLiteral("*.exe(実行ﾌｧｲﾙ);*.scr(ｽｸﾘｰﾝｾｰﾊﾞｰ)|*.exe;*.scr|*.*(全て)|*.*");

QStringList shownFiles(QFileDialog& dialog, const QString& folder)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    const QModelIndex parent = model->index(folder);
    QDeadlineTimer deadline(5000);
    while (model->canFetchMore(parent) || model->rowCount(parent) == 0) {
        if (deadline.hasExpired())
            break;
        model->fetchMore(parent);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row)
        names << model->index(row, 0, parent).data().toString();
    names.sort();
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
    EXPECT_EQ(shownFiles(dialog, dir.path()).join(' '), "SETUP.EXE saver.Scr tool.exe");
}

} // namespace
