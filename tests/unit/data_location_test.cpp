#include "platform/desktop/data_location.h"
#include "support/files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentValue()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(DataLocation, BesideTheProgramWhenWritableElseInTheUsersDataFolder)
{
    QTemporaryDir home;
    QTemporaryDir program;
    openForOthers(program.path());
    EnvironmentValue xdg("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));

    // A copy in a user folder keeps its data with it, existing data file or not.
    EXPECT_EQ(chooseDataFolder(program.path()), program.path());
    ASSERT_TRUE(writeFile(program.filePath("Mosaro.dat"), "0\r\n"));
    EXPECT_EQ(chooseDataFolder(program.path()), program.path());

    // An installed copy: the folder belongs to someone else, even with a data file in it.
    const QString userFolder = home.path() + "/data/mosaro";
    EXPECT_EQ(runWithoutRoot([&] { return chooseDataFolder(program.path()) == userFolder ? 0 : 1; }),
              0);
    EXPECT_EQ(runWithoutRoot([&] { return chooseDataFolder("/usr/bin") == userFolder ? 0 : 1; }),
              0);
    // Choosing creates nothing; the folder comes with the first need of it.
    EXPECT_FALSE(QFile::exists(userFolder));
}

TEST(DataLocation, UserDataFolderFollowsXdgDataHomeOrFallsBackToTheHome)
{
    QTemporaryDir home;
    EnvironmentValue homeValue("HOME", QFile::encodeName(home.path()));
    {
        EnvironmentValue xdg("XDG_DATA_HOME", "/srv/data/");
        EXPECT_EQ(userDataFolder(), "/srv/data/mosaro");
    }
    const QString fallback = home.path() + "/.local/share/mosaro";
    for (const QByteArray& value : {QByteArray(), QByteArray("relative/data")}) {
        EnvironmentValue xdg("XDG_DATA_HOME", value);
        EXPECT_EQ(userDataFolder(), fallback) << value.constData();
    }
}

}  // namespace
