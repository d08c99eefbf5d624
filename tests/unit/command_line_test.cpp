#include "launcher/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

ItemRec program(const QString& path, const QString& params)
{
    ItemRec r;
    r.Used = true;
    r.ProgName = path;
    r.CmdParam = params;
    return r;
}

ItemRec document(const QString& path, const QString& opener, const QString& params)
{
    ItemRec r = program(path, params);
    r.IsDoc = true;
    r.AssocExe = opener;
    return r;
}

TEST(CommandLine, ProgramTakesItsParametersUnlessAModifierIsHeld)
{
    const ItemRec app = program("/opt/tools/app", "-a ");
    EXPECT_EQ(buildCommandLine(app, 0), QStringLiteral("/opt/tools/app -a "));
    for (int16_t shift : std::initializer_list<int16_t>{1, 2, 4, 7})
        EXPECT_EQ(buildCommandLine(app, shift), QStringLiteral("/opt/tools/app")) << shift;
    // No parameters still leaves the joining blank.
    EXPECT_EQ(buildCommandLine(program("/opt/tools/app", ""), 0),
              QStringLiteral("/opt/tools/app "));
}

TEST(CommandLine, DocumentComesLastAfterItsProgram)
{
    const ItemRec memo = document("/home/u/docs/memo.txt", "/usr/bin/editor", "");
    EXPECT_EQ(buildCommandLine(memo, 0), QStringLiteral("/usr/bin/editor  /home/u/docs/memo.txt"));
    EXPECT_EQ(buildCommandLine(memo, 1), QStringLiteral("/usr/bin/editor /home/u/docs/memo.txt"));

    const ItemRec withParams = document("/home/u/docs/memo.txt", "/usr/bin/editor", "-n ");
    EXPECT_EQ(buildCommandLine(withParams, 0),
              QStringLiteral("/usr/bin/editor -n  /home/u/docs/memo.txt"));
    EXPECT_EQ(buildCommandLine(withParams, 4),
              QStringLiteral("/usr/bin/editor /home/u/docs/memo.txt"));
}

TEST(CommandLine, PathsWithBlanksAreNotQuoted)
{
    EXPECT_EQ(buildCommandLine(document("/home/u/My Docs/a b.txt", "/opt/My Tools/ed", ""), 0),
              QStringLiteral("/opt/My Tools/ed  /home/u/My Docs/a b.txt"));
}

}  // namespace
