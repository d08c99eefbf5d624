#include "e2e/e2e_fixture.h"

#include "store/item_rec.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

class Launch : public E2eTest {
protected:
    QString tools;   // a folder whose name a shell would choke on
    QString record;  // what the started script writes
    QString recorder;

    void SetUp() override
    {
        E2eTest::SetUp();
        tools = folder() + "/my tools; $HOME `id` &x";
        record = folder() + "/record.txt";
        recorder = tools + "/rec app";
        ASSERT_TRUE(writeFile(recorder, argumentRecorder(record), FileMode::Executable));
    }

    static ItemRec program(const QString& path, const QString& folder, const QString& params)
    {
        ItemRec r;
        r.Used = true;
        r.ProgName = path;
        r.InitDir = folder;
        r.IconFile = path;
        r.CmdParam = params;
        r.Title = "item";
        return r;
    }
    // Page 0 of a data file, written out by hand so the test stands apart from the writer.
    void writeItems(const std::vector<std::pair<int, ItemRec>>& items)
    {
        QByteArray file = "10\r\n";
        const auto quoted = [](const QString& text) { return '"' + text.toUtf8() + '"'; };
        for (const auto& [slot, r] : items) {
            file += "0," + QByteArray::number(slot) + ',' + quoted(r.ProgName) + ','
                    + quoted(r.InitDir) + ',' + quoted(r.IconFile) + ',' + quoted(r.CmdParam)
                    + ',' + quoted(r.Title) + ',' + (r.IsDoc ? "#TRUE#" : "#FALSE#") + ','
                    + quoted(r.AssocExe) + ",0," + QByteArray::number(NewItemColor) + "\r\n";
        }
        writeDataFile(file);
    }
    // A desktop entry in a folder of the test; exec is written as the entry file holds it.
    QString desktopEntry(const QString& id, const QString& exec, const QString& moreLines = {})
    {
        const QString path = folder() + "/apps/" + id + ".desktop";
        EXPECT_TRUE(writeFile(path, ("[Desktop Entry]\nType=Application\nName=" + id
                                     + "\nName[ja]=記録\nExec=" + exec + "\n" + moreLines)
                                        .toUtf8()));
        return path;
    }
    // A path quoted for an Exec line, then escaped as a desktop entry string.
    static QString execQuoted(QString path)
    {
        for (const char* reserved : {"\\", "\"", "`", "$"})
            path.replace(reserved, QString("\\") + reserved);
        QString quoted = '"' + path + '"';
        return quoted.replace("\\", "\\\\");
    }
};

TEST_F(Launch, LeftClickStartsProgramsAndDocumentsInTheirFolders)
{
    const QString memo = tools + "/My Docs/a b.txt";
    ASSERT_TRUE(writeFile(memo, "text\n"));
    ItemRec document = program(memo, tools + "/My Docs/", "");
    document.IsDoc = true;
    document.AssocExe = recorder;
    writeItems({{0, program(recorder, tools + "/", "-a ; $HOME * > out ")}, {1, document}});
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());

    clickSlot(0);
    EXPECT_EQ(waitForLines(record),
              (QStringList{tools, "-a", ";", "$HOME", "*", ">", "out"}));
    EXPECT_FALSE(QFile::exists(tools + "/out"));

    QFile::remove(record);
    clickSlot(1);
    EXPECT_EQ(waitForLines(record), (QStringList{tools + "/My Docs", memo}));

    EXPECT_TRUE(isRunning(mosaro));
    EXPECT_FALSE(mainWindow().isEmpty());
}

TEST_F(Launch, MissingProgramIsToldAndNothingStarts)
{
    writeItems({{2, program(tools + "/gone app", tools + "/", "-a ")}});
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());

    clickSlot(2);
    const QString message = waitForWindow("^Mosaro$");
    ASSERT_FALSE(message.isEmpty()) << "no message box";
    keys({}, {"Return"});
    EXPECT_TRUE(waitForNoWindow("^Mosaro$"));
    EXPECT_TRUE(isRunning(mosaro));
    // The box comes only after the start has failed: no program was started to write it.
    EXPECT_FALSE(QFile::exists(record));
}

TEST_F(Launch, DesktopEntriesStartTheirWholeCommandWithTheItemsArguments)
{
    const QString memo = tools + "/My Docs/a b.txt";
    ASSERT_TRUE(writeFile(memo, "text\n"));
    const QString viewer = desktopEntry("viewer", execQuoted(recorder) + " --from-entry %F");
    const QString wrapped =
        desktopEntry("wrapped", "env MOSARO_VIA=wrapper " + execQuoted(recorder) + " --opened %U");
    const QString broken = desktopEntry("broken", "rec %f", "TryExec=no-such-tool-here\n");
    ItemRec document = program(memo, tools + "/My Docs/", "");
    document.IsDoc = true;
    document.AssocExe = wrapped;
    writeItems({{0, program(viewer, tools + "/", "-a b ")},
                {1, document},
                {2, program(broken, tools + "/", "")}});
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());

    clickSlot(0);
    EXPECT_EQ(waitForLines(record), (QStringList{tools, "--from-entry", "-a", "b"}));
    QFile::remove(record);
    clickSlot(0, 1, "ctrl");
    EXPECT_EQ(waitForLines(record), (QStringList{tools, "--from-entry"}));
    QFile::remove(record);
    clickSlot(1);
    EXPECT_EQ(waitForLines(record), (QStringList{tools + "/My Docs", "--opened", memo}));
    QFile::remove(record);

    clickSlot(2);
    ASSERT_FALSE(waitForWindow("^Mosaro$").isEmpty()) << "no message box";
    keys({}, {"Return"});
    EXPECT_TRUE(waitForNoWindow("^Mosaro$"));
    EXPECT_TRUE(isRunning(mosaro));
    EXPECT_FALSE(QFile::exists(record));
}

}  // namespace
