#include "store/item_kind.h"

#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

void expectParts(const QString& path, const QString& folder, const QString& name,
                 const QString& title, const QString& extension)
{
    const PathParts parts = splitItemPath(path);
    EXPECT_EQ(parts.folder, folder) << path.toStdString();
    EXPECT_EQ(parts.name, name) << path.toStdString();
    EXPECT_EQ(parts.title, title) << path.toStdString();
    EXPECT_EQ(parts.extension, extension) << path.toStdString();
}

TEST(ItemPath, FolderKeepsItsSlashAndTitleDropsOnlyTheLastExtension)
{
    expectParts("/opt/tools/app.exe", "/opt/tools/", "app.exe", "app", "exe");
    expectParts("/boot.ini", "/", "boot.ini", "boot", "ini");
    expectParts("/home/u/docs/report.final.txt", "/home/u/docs/", "report.final.txt",
                "report.final", "txt");
    expectParts("/opt/v1.2/My App.sh", "/opt/v1.2/", "My App.sh", "My App", "sh");
    expectParts("/home/u/.profile", "/home/u/", ".profile", "", "profile");
    expectParts("/home/u/notes.", "/home/u/", "notes.", "notes", "");
}

TEST(ItemPath, NamesWithoutDotAndTheRootKeepTheirWholeName)
{
    expectParts("/usr/src/Makefile", "/usr/src/", "Makefile", "Makefile", "");
    expectParts("/home/u/Documents", "/home/u/", "Documents", "Documents", "");
    expectParts("/", "/", "", "/", "");
}

TEST(ItemKind, OnlyExactProgramExtensionsCountByName)
{
    // None of these exist: the name alone decides.
    for (const char* path : {"/games/Stars.SCR", "/tools/app.exe", "/tools/APP.EXE", "/x/s.scr"})
        EXPECT_TRUE(isProgramFile(path)) << path;
    for (const char* path :
         {"/setup/Install.Exe", "/x/s.Scr", "/x/app.exe2", "/x/exe", "/docs/memo.txt", "/"})
        EXPECT_FALSE(isProgramFile(path)) << path;
}

TEST(ItemKind, ExecutableBinariesAndScriptsAreProgramsOtherFilesAndFoldersAreNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(isProgramFile(QCoreApplication::applicationFilePath()));  // an ELF binary
    EXPECT_TRUE(isProgramFile(writeTempFile(dir.filePath("run"), "#!/bin/sh\n", true)));
    EXPECT_FALSE(isProgramFile(writeTempFile(dir.filePath("plain"), "#!/bin/sh\n", false)));
    EXPECT_FALSE(isProgramFile(writeTempFile(dir.filePath("data"), "echo hi\n", true)));
    ASSERT_TRUE(QDir(dir.path()).mkpath("tools.exe"));
    EXPECT_FALSE(isProgramFile(dir.filePath("tools.exe")));
    EXPECT_FALSE(isProgramFile(dir.path()));
}

}  // namespace
