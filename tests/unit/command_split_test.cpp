#include "platform/desktop/command_split.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class CommandSplit : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString root;  // holds blanks and shell characters, as user folders may

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.filePath("My Tools; a|b&c $HOME `id` >x <y *?");
    }
    QString program(const QString& relative)
    {
        const QString path = root + "/" + relative;
        EXPECT_TRUE(writeFile(path, "#!/bin/sh\n", FileMode::Executable));
        return path;
    }
    QString document(const QString& relative)
    {
        const QString path = root + "/" + relative;
        EXPECT_TRUE(writeFile(path, "text\n"));
        return path;
    }
};

TEST_F(CommandSplit, ProgramIsTheShortestRunOfWordsNamingAFile)
{
    const QString app = program("bin dir/my app");
    const SplitCommand command = splitCommandLine(app + " -a ", {});
    EXPECT_TRUE(command.programFound);
    EXPECT_EQ(command.program, app);
    EXPECT_EQ(command.arguments, QStringList{"-a"});

    // A file named by fewer words wins, as it would where the line came from.
    const QString shorter = program("bin dir/my");
    EXPECT_EQ(splitCommandLine(app + " -a", {}).program, shorter);
    EXPECT_EQ(splitCommandLine(app + " -a", {}).arguments, (QStringList{"app", "-a"}));

    // Folders are not programs.
    EXPECT_FALSE(splitCommandLine(root + " x", {}).programFound);
}

TEST_F(CommandSplit, QuotedProgramAndMissingProgram)
{
    const QString app = program("my app");
    SplitCommand command = splitCommandLine("  \"" + app + "\" one", {});
    EXPECT_TRUE(command.programFound);
    EXPECT_EQ(command.program, app);
    EXPECT_EQ(command.arguments, QStringList{"one"});

    command = splitCommandLine("/no/such dir/app -a", {});
    EXPECT_FALSE(command.programFound);
    EXPECT_EQ(command.program, QStringLiteral("/no/such"));
    EXPECT_EQ(command.arguments, (QStringList{"dir/app", "-a"}));

    command = splitCommandLine("", {});
    EXPECT_FALSE(command.programFound);
    EXPECT_TRUE(command.program.isEmpty());
    EXPECT_TRUE(command.arguments.isEmpty());
}

TEST_F(CommandSplit, BareNamesComeFromPathRelativePathsFromTheWorkingFolder)
{
    const QString app = program("tool");
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", root.toLocal8Bit());
    const SplitCommand fromPath = splitCommandLine("tool x", {});
    qputenv("PATH", savedPath);
    EXPECT_TRUE(fromPath.programFound);
    EXPECT_EQ(fromPath.program, app);

    const SplitCommand relative = splitCommandLine("./tool x", root);
    EXPECT_TRUE(relative.programFound);
    EXPECT_EQ(relative.program, app);
    EXPECT_FALSE(splitCommandLine("./tool x", dir.path()).programFound);
}

TEST_F(CommandSplit, QuotesGroupAndShellCharactersStayLiteral)
{
    const QString app = program("app");
    const SplitCommand command = splitCommandLine(
        app + R"( "a b"  c""d "x""y" \"q\" a\\b \\\\"z z" ; | & $HOME `id` > out < in * ? "")", {});
    EXPECT_EQ(command.arguments,
              (QStringList{"a b", "cd", "x\"y", "\"q\"", "a\\\\b", "\\\\z z", ";", "|", "&",
                           "$HOME", "`id`", ">", "out", "<", "in", "*", "?", ""}));
}

TEST_F(CommandSplit, UnquotedPathsWithBlanksBecomeOneArgument)
{
    const QString opener = program("open");
    const QString memo = document("My Docs/a  b.txt");  // two blanks kept as they stand
    const QString other = document("c d.txt");

    SplitCommand command = splitCommandLine(opener + " -n  " + memo, {});
    EXPECT_EQ(command.arguments, (QStringList{"-n", memo}));

    // Two paths side by side stay two; relative and quoted words are never joined.
    command = splitCommandLine(opener + " " + memo + " " + other, {});
    EXPECT_EQ(command.arguments, (QStringList{memo, other}));
    command = splitCommandLine(opener + " \"" + root + "/My\" Docs/a  b.txt", {});
    EXPECT_EQ(command.arguments, (QStringList{root + "/My", "Docs/a", "b.txt"}));

    // A path that does not exist is left as the words it is made of.
    command = splitCommandLine(opener + " /no/such file", {});
    EXPECT_EQ(command.arguments, (QStringList{"/no/such", "file"}));
}

}  // namespace
