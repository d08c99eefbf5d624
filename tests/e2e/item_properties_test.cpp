#include "e2e/e2e_fixture.h"


#include <csignal>

namespace {

const QString DialogCaption = QStringLiteral("^データ入力$");

class ItemPropertiesE2e : public E2eTest {};

TEST_F(ItemPropertiesE2e, AnItemMadeInTheDialogIsSavedWithItsTrailingBlank)
{
    writeDataFile("3\r\n");
    QProcess* mosaro = start();
    ASSERT_FALSE(mainWindow().isEmpty());

    // The properties entry is the last of the slot menu.
    clickSlot(2, 3);
    ASSERT_TRUE(waitForPopupMenu());
    keys({}, {"Up", "Return"});
    const QString dialog = waitForWindow(DialogCaption);
    ASSERT_FALSE(dialog.isEmpty()) << "the properties dialog did not open";
    EXPECT_TRUE(skipsTaskBar(dialog));

    // The first box has the focus; the title is the fifth, and Apply follows the preview and
    // the two browse buttons. Enter presses nothing, so the space bar presses Apply.
    typeText(dialog, "/opt/memo");
    keys(dialog, {"Tab", "Tab", "Tab", "Tab"});
    typeText(dialog, "Memo");
    keys(dialog, {"Return"});
    ASSERT_FALSE(waitForWindow(DialogCaption, 500).isEmpty()) << "Enter closed the dialog";
    keys(dialog, {"Tab", "Tab", "Tab", "Tab", "space"});
    ASSERT_TRUE(waitForNoWindow(DialogCaption));

    EXPECT_EQ(stop(mosaro, SIGTERM), 0);
    EXPECT_EQ(
        readDataFile(),
        QByteArray("3\r\n0,2,\"/opt/memo\",\"\",\"\",\" \",\"Memo\",#FALSE#,\"\",0,14737632\r\n"));
}

} // namespace
