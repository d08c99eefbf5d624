#include "e2e/e2e_fixture.h"

#include "store/item_rec.h"
#include "support/temp_files.h"

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
        recorder = writeTempFile(tools + "/rec app", argumentRecorder(record), true);
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
};

TEST_F(Launch, LeftClickStartsProgramsAndDocumentsInTheirFolders)
{
    const QString memo = writeTempFile(tools + "/My Docs/a b.txt", "text\n");
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

}  // namespace
