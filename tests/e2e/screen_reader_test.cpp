#include "e2e/e2e_fixture.h"

#include "store/item_file.h"
#include "store/item_store.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

const QString Empty = QStringLiteral("空き");

// The program under a session bus of its own, with its accessibility tree always exposed, read
// the way a screen reader reads it.
class ScreenReader : public E2eTest {
protected:
    QProcess bus;

    void SetUp() override
    {
        E2eTest::SetUp();
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus.waitForStarted(5000));
        QDeadlineTimer deadline(10000);
        while (!bus.canReadLine() && !deadline.hasExpired())
            bus.waitForReadyRead(100);
        const QByteArray address = bus.readLine().trimmed();
        ASSERT_FALSE(address.isEmpty()) << "no session bus";
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    void TearDown() override
    {
        E2eTest::TearDown();
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        bus.terminate();
        bus.waitForFinished(5000);
    }

    // "role<TAB>name" of every object the program shows a screen reader.
    QStringList tree(QProcess* program)
    {
        QProcess reader;
        // The system's own interpreter, which the accessibility bindings are installed for.
        reader.start("/usr/bin/python3",
                     {E2E_SCRIPTS "/slot_names.py", QString::number(program->processId())});
        reader.waitForFinished(10000);
        return QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    static QStringList namesOf(const QStringList& tree, const QString& role)
    {
        QStringList names;
        for (const QString& line : tree)
            if (line.section('\t', 0, 0) == role)
                names << line.section('\t', 1);
        return names;
    }
    // The slot names once they are `expected`, or what they are at the deadline.
    QStringList slotNamesOnceThey(QProcess* program, const QStringList& expected)
    {
        QDeadlineTimer deadline(20000);
        QStringList names = namesOf(tree(program), "push button");
        while (names != expected && !deadline.hasExpired()) {
            QThread::msleep(200);
            names = namesOf(tree(program), "push button");
        }
        return names;
    }
    static QStringList page(const std::map<int, QString>& titles)
    {
        QStringList names;
        for (int slot = 0; slot < SlotCount; ++slot)
            names << (titles.count(slot) ? titles.at(slot) : Empty);
        return names;
    }
};

void putItem(ItemStore& store, int page, int slot, const QString& title)
{
    ItemRec& r = store.ItemTbl(page, slot);
    r.Used = true;
    r.ProgName = "/opt/tools/" + title;
    r.InitDir = "/opt/tools/";
    r.Title = title;
    r.ItemColor = NewItemColor;
}

TEST_F(ScreenReader, ReadsTheSlotNamesOfEachPage)
{
    ItemStore store;
    store.PageCnt = 1;
    putItem(store, 0, 0, "zero");
    putItem(store, 0, 19, "last");
    putItem(store, 1, 3, "three");
    writeDataFile(formatItemFile(store).bytes);
    QProcess* mosaro = start();
    const QString window = mainWindow();
    ASSERT_FALSE(window.isEmpty());

    const QStringList first = page({{0, "zero"}, {19, "last"}});
    EXPECT_EQ(slotNamesOnceThey(mosaro, first), first);
    EXPECT_EQ(namesOf(tree(mosaro), "scroll bar"), QStringList{QStringLiteral("ページ")});

    // Page Down on the focused first slot turns to page 1.
    keys(window, {"Next"});
    const QStringList second = page({{3, "three"}});
    EXPECT_EQ(slotNamesOnceThey(mosaro, second), second);
    keys(window, {"Prior"});
    EXPECT_EQ(slotNamesOnceThey(mosaro, first), first);
}

} // namespace
