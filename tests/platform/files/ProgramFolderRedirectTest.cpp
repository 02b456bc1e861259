#include "platform/files/impl/HostFileSystem.h"
#include "support/QtPrinters.h"
#include "support/WriteFile.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr QFile::Permissions kReadAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                           | QFile::ReadOther | QFile::ExeOther;

// Drive C: on a temporary folder whose "prog" sub-folder holds the program; the user's folder
// is "data/vindrel", not there yet.
class ProgramFolderRedirectTest : public ::testing::Test {
protected:
    ProgramFolderRedirectTest()
    {
        Write(QStringLiteral("prog/VINDREL.DAT"), "installed\r\n");
        Write(QStringLiteral("prog/vindrel"), "executable");
    }
    ~ProgramFolderRedirectTest() override
    {
        QFile::setPermissions(Host(QStringLiteral("prog")), kReadAndEnter | QFile::WriteOwner);
    }

    HostFileSystem MakeFileSystem() const
    {
        const QString drive = root.path();
        return HostFileSystem(DriveMap([drive](const QString& v) {
                                  return v == QLatin1String("VINDREL_DRIVE_C") ? drive : QString();
                              }),
                              Host(QStringLiteral("prog")), Host(QStringLiteral("data/vindrel")));
    }
    QString Host(const QString& relative) const { return root.filePath(relative); }
    void Write(const QString& relative, const QByteArray& bytes) const { WriteFile(Host(relative), bytes); }
    QByteArray Read(const QString& relative) const
    {
        QFile f(Host(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir root;
};

TEST_F(ProgramFolderRedirectTest, AReadOnlyProgramFolderKeepsTheUsersFilesInTheUsersFolder)
{
    QFile::setPermissions(Host(QStringLiteral("prog")), kReadAndEnter);
    HostFileSystem fs = MakeFileSystem();
    EXPECT_EQ(fs.ProgramFolder(), QStringLiteral("C:\\prog"));
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\prog\\VINDREL.DAT"), 100), QByteArray("installed\r\n"));
    EXPECT_FALSE(QFile::exists(Host(QStringLiteral("data")))) << "reading creates nothing";

    const auto writer = fs.OpenForOutput(QStringLiteral("C:\\PROG\\vindrel.dat"));
    writer->WriteLine("http://www.rai.it/");
    writer->Close();
    EXPECT_EQ(Read(QStringLiteral("data/vindrel/VINDREL.DAT")), QByteArray("http://www.rai.it/\r\n"));
    EXPECT_EQ(QFile::permissions(Host(QStringLiteral("data/vindrel"))), QFile::ReadOwner | QFile::WriteOwner
                                                                            | QFile::ExeOwner | QFile::ReadUser
                                                                            | QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\prog\\VINDREL.DAT"), 100), QByteArray("http://www.rai.it/\r\n"));
    EXPECT_EQ(Read(QStringLiteral("prog/VINDREL.DAT")), QByteArray("installed\r\n"));
    // Its lock is beside the file written.
    EXPECT_TRUE(fs.LockUpdates(QStringLiteral("C:\\prog\\VINDREL.DAT"), 0)
                && QFile::exists(Host(QStringLiteral("data/vindrel/VINDREL.DAT.lock"))));

    // The probe page of a new window: written, found, deleted, all in the user's folder.
    fs.WriteAll(QStringLiteral("C:\\prog\\temphtm.HTM"), "probe");
    EXPECT_TRUE(fs.CanOpenForReading(QStringLiteral("C:\\prog\\temphtm.HTM")));
    fs.Kill(QStringLiteral("C:\\prog\\temphtm.HTM"));
    EXPECT_FALSE(QFile::exists(Host(QStringLiteral("data/vindrel/temphtm.HTM"))));

    // The executable is still the real one, for a second copy.
    EXPECT_EQ(fs.HostPath(QStringLiteral("C:\\prog\\VINDREL")), Host(QStringLiteral("prog/vindrel")));
}

TEST_F(ProgramFolderRedirectTest, AWritableProgramFolderIsUsedAsItIs)
{
    HostFileSystem fs = MakeFileSystem();
    fs.WriteAll(QStringLiteral("C:\\prog\\VINDREL.DAT"), "mine\r\n");
    EXPECT_EQ(Read(QStringLiteral("prog/VINDREL.DAT")), QByteArray("mine\r\n"));
    EXPECT_EQ(fs.HostPathForWriting(QStringLiteral("C:\\prog\\temphtm.HTM")), Host(QStringLiteral("prog/temphtm.HTM")));
    EXPECT_FALSE(QFile::exists(Host(QStringLiteral("data"))));
}

TEST(UserProgramFolder, FollowsTheUsersDataFolder)
{
    QHash<QString, QString> environment{{QStringLiteral("HOME"), QStringLiteral("/home/mario")}};
    const auto lookup = [&environment](const QString& v) { return environment.value(v); };
    EXPECT_EQ(UserProgramFolder(lookup), QStringLiteral("/home/mario/.local/share/vindrel"));
    environment[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("dati"); // relative: not a data folder
    EXPECT_EQ(UserProgramFolder(lookup), QStringLiteral("/home/mario/.local/share/vindrel"));
    environment[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("/srv/mario/dati/");
    EXPECT_EQ(UserProgramFolder(lookup), QStringLiteral("/srv/mario/dati/vindrel"));
    environment.clear();
    EXPECT_EQ(UserProgramFolder(lookup), QString());
}

} // namespace
