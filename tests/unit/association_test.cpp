#include "platform/desktop/association.h"
#include "platform/desktop/entry_command.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace {

// A desktop of our own: applications, defaults and PATH in a temporary folder, so nothing
// installed on the machine takes part. The MIME database and the application lists are read
// once per process, so this must be the first lookup of its test process (CTest runs each
// test on its own).
class Association : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString bin;
    std::vector<std::pair<const char*, QByteArray>> savedEnvironment;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"XDG_DATA_DIRS", "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                                 "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "PATH"})
            savedEnvironment.emplace_back(name, qgetenv(name));
        bin = dir.filePath("bin dir");
        const QString data = dir.filePath("data");
        QDir().mkpath(data);
        ASSERT_TRUE(QFile::link("/usr/share/mime", data + "/mime"));  // the type database only
        qputenv("XDG_DATA_DIRS", data.toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("data-home").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath("config-dirs").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("PATH", bin.toUtf8());

        for (const char* name : {"editor", "viewer", "files app", "env", "flatpak"})
            ASSERT_TRUE(writeFile(bin + "/" + name, "#!/bin/sh\n", FileMode::Executable));
        application("editor", "editor %f", "text/plain;");
        application("viewer", "viewer %f", "image/png;text/plain;");
        application("files", "\"" + bin + "/files app\" %U", "inode/directory;");
        application("broken", "no-such-program %f", "application/pdf;");
        application("wrapped", "env VAR=1 \"" + bin + "/files app\" --new %U", "image/jpeg;");
        application("sandboxed", "flatpak run org.example.App %U", "image/gif;");
        // What the system keeps from the entries' MimeType lines (update-desktop-database).
        ASSERT_TRUE(writeFile(data + "/applications/mimeinfo.cache",
                              "[MIME Cache]\ntext/plain=editor.desktop;viewer.desktop;\n"
                              "image/png=viewer.desktop;\ninode/directory=files.desktop;\n"
                              "application/pdf=broken.desktop;\nimage/jpeg=wrapped.desktop;\n"
                              "image/gif=sandboxed.desktop;\n"));
        // The user's choice comes before the system's.
        ASSERT_TRUE(writeFile(data + "/applications/mimeapps.list",
                              "[Default Applications]\ntext/plain=viewer.desktop\n"));
        ASSERT_TRUE(writeFile(dir.filePath("config/mimeapps.list"),
                              "[Default Applications]\ntext/plain=editor.desktop\n"));
    }

    void TearDown() override
    {
        for (const auto& [name, value] : savedEnvironment) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

    QString entry(const QString& id) const
    {
        return dir.filePath("data/applications/" + id + ".desktop");
    }

    void application(const QString& id, const QString& exec, const QString& types)
    {
        EXPECT_TRUE(writeFile(dir.filePath("data/applications/" + id + ".desktop"),
                              ("[Desktop Entry]\nType=Application\nName=" + id + "\nExec="
                               + exec + "\nMimeType=" + types + "\n")
                                  .toUtf8()));
    }
};

TEST_F(Association, DefaultApplicationOfTheTypeAsItsDesktopEntry)
{
    const QString folder = dir.filePath("docs");
    QDir().mkpath(folder);
    ASSERT_TRUE(writeFile(folder + "/notes", "plain words\n"));
    ASSERT_TRUE(writeFile(folder + "/picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ASSERT_TRUE(writeFile(folder + "/memo.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));

    // By name; the file need not exist, and an existing one's content does not count.
    EXPECT_EQ(associatedProgram("memo.txt", "/nowhere"), entry("editor"));
    EXPECT_EQ(associatedProgram("report.final.txt", folder), entry("editor"));
    EXPECT_EQ(associatedProgram("memo.txt", folder), entry("editor"));
    // Only the entries' own type lists name an application for PNG.
    EXPECT_EQ(associatedProgram("photo.png", folder), entry("viewer"));
    // A name without extension is judged by content when the file is there.
    EXPECT_EQ(associatedProgram("notes", folder), entry("editor"));
    EXPECT_EQ(associatedProgram("picture", folder), entry("viewer"));
    EXPECT_EQ(associatedProgram(folder + "/picture", "/nowhere"), entry("viewer"));
    // Folders open with the folder application.
    EXPECT_EQ(associatedProgram(folder, "/nowhere"), entry("files"));

    // Wrappers in front of the program are kept: the entry is started whole.
    EXPECT_EQ(associatedProgram("photo.jpg", folder), entry("wrapped"));
    const EntryCommand wrapped = entryCommand(entry("wrapped"), {folder + "/a b.jpg"});
    EXPECT_EQ(wrapped.program, bin + "/env");
    EXPECT_EQ(wrapped.arguments,
              (QStringList{"VAR=1", bin + "/files app", "--new", folder + "/a b.jpg"}));
    EXPECT_EQ(associatedProgram("anim.gif", folder), entry("sandboxed"));
    EXPECT_EQ(entryCommand(entry("sandboxed"), {"/d/x.gif"}).arguments,
              (QStringList{"run", "org.example.App", "/d/x.gif"}));

    // Nothing found: an unknown type, a missing file without extension, a program not on PATH.
    EXPECT_EQ(associatedProgram("data.zzqx", folder), QString());
    EXPECT_EQ(associatedProgram("absent", folder), QString());
    EXPECT_EQ(associatedProgram("book.pdf", folder), QString());
    EXPECT_EQ(associatedProgram("song.ogg", folder), QString());
    EXPECT_EQ(associatedProgram("", folder), QString());
}

}  // namespace
