#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/entry_command.h"

#include "fixtures/xdg_fixture.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(DesktopEntry, ReadsTheEntryGroupWithTheJapaneseNameAndStringEscapes)
{
    const auto entry = parseDesktopEntry(
        "# ImageMagick\n"
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=ImageMagick (color depth=q16)\n"
        "Name[de]=Bildbetrachter\n"
        "Name[ja]=\xE7\x94\xBB\xE5\x83\x8F\xE8\xA1\xA8\xE7\xA4\xBA\n"  // 画像表示
        "Exec = display-im6.q16 %f\r\n"
        "Path=/opt/my\\sapps\\\\x\n"
        "Terminal=true\n"
        "Icon=display-im6.q16\n"
        "Name=ignored duplicate\n"
        "[Desktop Action new]\n"
        "Exec=other\n"
        "Hidden=true\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, "Application");
    EXPECT_EQ(entry->name, QString::fromUtf8("画像表示"));
    EXPECT_EQ(entry->exec, "display-im6.q16 %f");
    EXPECT_EQ(entry->path, "/opt/my apps\\x");
    EXPECT_EQ(entry->icon, "display-im6.q16");
    EXPECT_TRUE(entry->terminal);
    EXPECT_FALSE(entry->hidden);  // that key belongs to another group
    EXPECT_EQ(entry->tryExec, QString());

    const auto plain = parseDesktopEntry("[Desktop Entry]\nName=ImageMagick\nName[ja_JP]=\n");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->name, "ImageMagick");
    EXPECT_FALSE(plain->terminal);

    EXPECT_FALSE(parseDesktopEntry("[Desktop Action x]\nExec=app\n"));
    EXPECT_FALSE(parseDesktopEntry("just text"));
    EXPECT_FALSE(readDesktopEntry("/nonexistent/app.desktop"));
}

TEST(DesktopEntry, ExecLinesExpandTheirFieldCodesAndQuoting)
{
    DesktopEntry entry;
    entry.icon = "viewer";
    entry.name = QString::fromUtf8("表示");
    const auto expand = [&entry](const QString& exec, const QStringList& arguments) {
        entry.exec = exec;
        return expandExec(entry, "/apps/v.desktop", arguments);
    };
    using Words = std::optional<QStringList>;

    EXPECT_EQ(expand("app %f", {"/a b/doc.txt"}), Words({"app", "/a b/doc.txt"}));
    EXPECT_EQ(expand("app %F", {"-x", "/doc"}), Words({"app", "-x", "/doc"}));
    EXPECT_EQ(expand("app %U --end", {}), Words({"app", "--end"}));
    EXPECT_EQ(expand("app --open=%u", {"/doc"}), Words({"app", "--open=/doc"}));
    EXPECT_EQ(expand("app --open=%u", {}), Words({"app", "--open="}));
    // No file code: the arguments go at the end rather than being lost.
    EXPECT_EQ(expand("app -n", {"a", "b"}), Words({"app", "-n", "a", "b"}));
    EXPECT_EQ(expand("env VAR=1 /path/app %U", {"/d/x"}),
              Words({"env", "VAR=1", "/path/app", "/d/x"}));
    EXPECT_EQ(expand("app %i %c %k 100%% %d%D %n %N %v %m", {}),
              Words({"app", "--icon", "viewer", QString::fromUtf8("表示"), "/apps/v.desktop",
                     "100%"}));
    // Quotes group blanks and reserved characters; inside them \ escapes " ` $ and itself,
    // and field codes stay as written, but for %%.
    EXPECT_EQ(expand(R"("/opt/my app/run" "say \"hi\" \$HOME \`id\` a\\b %f 5%%" "" x)", {"/d"}),
              Words({"/opt/my app/run", R"(say "hi" $HOME `id` a\b %f 5%)", "", "x", "/d"}));
    // Tabs separate as blanks do.
    EXPECT_EQ(expand("app\t%f", {"/d"}), Words({"app", "/d"}));

    entry.icon.clear();
    EXPECT_EQ(expand("app %i %f", {"/d"}), Words({"app", "/d"}));

    for (const char* broken : {"app %z", "app \"open", "app %", "app %f %Q"})
        EXPECT_EQ(expand(broken, {}), std::nullopt) << broken;
}

// Entries in a data folder of our own, their programs on a PATH of our own.
class EntryCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<XdgFolder> xdg;
    QByteArray savedPath = qgetenv("PATH");

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        xdg = std::make_unique<XdgFolder>(dir.path());
        qputenv("PATH", xdg->binDir().toUtf8());
        xdg->addScript("rec");
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    QString entry(const QString& id, const QString& exec, const QString& moreLines = {})
    {
        return xdg->addEntry(id, exec, "icon", moreLines);
    }
    QString bin(const QString& name) const { return xdg->binDir() + "/" + name; }
};

TEST_F(EntryCommandTest, StartsTheProgramOfTheExecLineOrSaysWhyNot)
{
    const QString good = entry("good", "rec --in %F", "TryExec=rec\n");
    const EntryCommand command = entryCommand(good, {"-a", "/d/my doc.txt"});
    EXPECT_EQ(command.error, QString());
    EXPECT_EQ(command.program, bin("rec"));
    EXPECT_EQ(command.arguments, (QStringList{"--in", "-a", "/d/my doc.txt"}));
    EXPECT_EQ(entryCommand(entry("absolute", bin("rec")), {}).program, bin("rec"));

    // Each broken entry names itself and what is wrong.
    struct Broken {
        QString file;
        QString because;
    };
    const QString link = xdg->dataDir() + "/applications/link.desktop";
    ASSERT_TRUE(writeFile(link, "[Desktop Entry]\nType=Link\nName=web\nURL=https://example.org/\n"));
    const Broken broken[] = {
        {entry("noexec", ""), "Exec"},
        {entry("tryexec", "rec", "TryExec=gone-tool\n"), "gone-tool"},
        {entry("hidden", "rec", "Hidden=true\n"), "Hidden"},
        {link, "link.desktop"},
        {entry("missing", "gone-tool %f"), "gone-tool"},
        {entry("relative", "bin/rec"), "bin/rec"},
        {entry("badcode", "rec %z"), "Exec"},
        {xdg->dataDir() + "/applications/absent.desktop", ""},
    };
    for (const Broken& b : broken) {
        const EntryCommand refused = entryCommand(b.file, {});
        EXPECT_TRUE(refused.error.contains(b.file)) << b.file.toStdString();
        EXPECT_TRUE(refused.error.contains(b.because)) << refused.error.toStdString();
        EXPECT_EQ(refused.program, QString());
    }
}

TEST_F(EntryCommandTest, TerminalEntriesRunInTheTerminalEmulator)
{
    const QString shell = entry("shell", "rec -l %f", "Terminal=true\n");
    const EntryCommand without = entryCommand(shell, {"/d"});
    EXPECT_TRUE(without.error.contains("x-terminal-emulator"));
    EXPECT_TRUE(without.error.contains(shell));

    xdg->addScript("x-terminal-emulator");
    const EntryCommand with = entryCommand(shell, {"/d"});
    EXPECT_EQ(with.error, QString());
    EXPECT_EQ(with.program, bin("x-terminal-emulator"));
    EXPECT_EQ(with.arguments, (QStringList{"-e", bin("rec"), "-l", "/d"}));
}

}  // namespace
