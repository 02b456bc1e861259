#include "platform/files/impl/DriveMap.h"
#include "support/QtPrinters.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DriveMapTest : public ::testing::Test {
protected:
    DriveMap Map() const
    {
        return DriveMap([this](const QString& v) { return environment.value(v); });
    }
    QString Host(const QString& relative) const { return root.filePath(relative); }

    // A Wine prefix whose c: leads to drive_c, as Wine sets it up.
    QString MakeWinePrefix()
    {
        const QString prefix = Host(QStringLiteral("wine"));
        QDir().mkpath(prefix + QStringLiteral("/drive_c/users"));
        QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
        return prefix;
    }

    QTemporaryDir root;
    QHash<QString, QString> environment;
};

TEST_F(DriveMapTest, ConfiguredDriveMapsBothWaysAndIgnoresLetterCase)
{
    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("C"));
    const DriveMap map = Map();
    EXPECT_EQ(map.ToHost(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")), Host(QStringLiteral("C/HOME-PAG/INIZIO.HTM")));
    EXPECT_EQ(map.ToHost(QStringLiteral("c:/HOME-PAG/INIZIO.HTM")), Host(QStringLiteral("C/HOME-PAG/INIZIO.HTM")));
    EXPECT_EQ(map.ToHost(QStringLiteral("C:\\")), Host(QStringLiteral("C")));
    EXPECT_EQ(map.ToWindows(Host(QStringLiteral("C/HOME-PAG/INIZIO.HTM"))), QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    EXPECT_EQ(map.ToWindows(Host(QStringLiteral("C"))), QStringLiteral("C:\\"));
}

TEST_F(DriveMapTest, ParentStepsUndoOnlyExistingFoldersAndStayOnTheDrive)
{
    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("C"));
    QDir().mkpath(Host(QStringLiteral("C/A/Sub")));
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\..\\..\\etc\\passwd")), Host(QStringLiteral("C/etc/passwd")));
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\A\\..\\B\\.\\x.htm")), Host(QStringLiteral("C/B/x.htm")));
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\a\\sub\\..\\..\\..\\x.htm")), Host(QStringLiteral("C/x.htm")));
    // After a name that does not exist (or is no folder) ".." stays: the path names nothing. It
    // still never steps above the drive, not even as text.
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\A\\VINDREL.EXE x\\..\\..\\..\\etc")),
              Host(QStringLiteral("C/A/VINDREL.EXE x/../../etc")));
    WriteFile(Host(QStringLiteral("C/A/file.htm")), {});
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\A\\file.htm\\..\\x")), Host(QStringLiteral("C/A/file.htm/../x")));
    EXPECT_FALSE(QFileInfo::exists(Map().ToHost(QStringLiteral("C:\\A\\missing\\..\\Sub"))));
}

TEST_F(DriveMapTest, ZIsTheRootAndOtherDrivesAreMissingWithoutConfiguration)
{
    const DriveMap map = Map(); // no HOME: no default Wine prefix either
    EXPECT_EQ(map.ToHost(QStringLiteral("Z:\\tmp\\my site\\x.htm")), QStringLiteral("/tmp/my site/x.htm"));
    EXPECT_EQ(map.ToHost(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")), QString());
    EXPECT_EQ(map.ToHost(QStringLiteral("D:\\")), QString());
    EXPECT_EQ(map.ToWindows(QStringLiteral("/tmp/my site/x.htm")), QStringLiteral("Z:\\tmp\\my site\\x.htm"));
    EXPECT_EQ(map.ToWindows(QStringLiteral("/")), QStringLiteral("Z:\\"));
}

TEST_F(DriveMapTest, RootedRelativeAndUnmappableTexts)
{
    const DriveMap map = Map();
    EXPECT_EQ(map.ToHost(QStringLiteral("\\home\\me\\x.htm")), QStringLiteral("/home/me/x.htm"));
    EXPECT_EQ(map.ToHost(QStringLiteral("/home\\me/x.htm")), QStringLiteral("/home/me/x.htm"));
    EXPECT_EQ(map.ToHost(QStringLiteral("pages\\x.htm")), QDir::current().filePath(QStringLiteral("pages/x.htm")));
    EXPECT_EQ(map.ToHost(QString()), QDir::currentPath());
    // Texts no Windows path can be: a web address, "about:blank", a colon after the drive, a NUL.
    for (const QString& text : {QStringLiteral("http://www.x.it/"), QStringLiteral("about:blank"),
                                QStringLiteral("C:\\a:b"), QStringLiteral("Z:\\a") + QChar(0)})
        EXPECT_EQ(map.ToHost(text), QString()) << text.toStdString();
}

TEST_F(DriveMapTest, WinePrefixDrivesWhenNotConfigured)
{
    environment[QStringLiteral("WINEPREFIX")] = MakeWinePrefix();
    const DriveMap map = Map();
    const QString viaLink = Host(QStringLiteral("wine/dosdevices/c:/users/x.htm"));
    EXPECT_EQ(map.ToHost(QStringLiteral("C:\\users\\x.htm")), viaLink);
    // Either road into drive_c gives back C:.
    EXPECT_EQ(map.ToWindows(viaLink), QStringLiteral("C:\\users\\x.htm"));
    EXPECT_EQ(map.ToWindows(QFileInfo(Host(QStringLiteral("wine/drive_c"))).canonicalFilePath()
                            + QStringLiteral("/users/x.htm")),
              QStringLiteral("C:\\users\\x.htm"));
    EXPECT_EQ(map.ToHost(QStringLiteral("D:\\x.htm")), QString());

    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("elsewhere"));
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\x.htm")), Host(QStringLiteral("elsewhere/x.htm")));
}

TEST_F(DriveMapTest, HomeGivesTheDefaultWinePrefix)
{
    MakeWinePrefix();
    QFile::rename(Host(QStringLiteral("wine")), Host(QStringLiteral(".wine")));
    environment[QStringLiteral("HOME")] = root.path();
    EXPECT_EQ(Map().ToHost(QStringLiteral("C:\\x.htm")), Host(QStringLiteral(".wine/dosdevices/c:/x.htm")));
}

TEST_F(DriveMapTest, LongestPrefixWinsAndSiblingNamesAreNotPrefixes)
{
    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("data"));
    environment[QStringLiteral("VINDREL_DRIVE_E")] = Host(QStringLiteral("data/sub"));
    const DriveMap map = Map();
    EXPECT_EQ(map.ToWindows(Host(QStringLiteral("data/sub/a.htm"))), QStringLiteral("E:\\a.htm"));
    EXPECT_EQ(map.ToWindows(Host(QStringLiteral("data/other/a.htm"))), QStringLiteral("C:\\other\\a.htm"));
    // Every letter counts, A: and B: too.
    environment[QStringLiteral("VINDREL_DRIVE_A")] = Host(QStringLiteral("floppy"));
    EXPECT_EQ(Map().ToWindows(Host(QStringLiteral("floppy/a.htm"))), QStringLiteral("A:\\a.htm"));
    // "data2" merely begins with "data": not on C:.
    EXPECT_TRUE(map.ToWindows(Host(QStringLiteral("data2/a.htm"))).startsWith(QStringLiteral("Z:\\")));
}

TEST_F(DriveMapTest, DriveZCanBeMovedAndThenUnmappedPathsStillComeOutOnZ)
{
    environment[QStringLiteral("VINDREL_DRIVE_Z")] = Host(QStringLiteral("z"));
    const DriveMap map = Map();
    EXPECT_EQ(map.ToHost(QStringLiteral("Z:\\a.htm")), Host(QStringLiteral("z/a.htm")));
    EXPECT_EQ(map.ToWindows(Host(QStringLiteral("z/a.htm"))), QStringLiteral("Z:\\a.htm"));
    EXPECT_EQ(map.ToWindows(QStringLiteral("/etc/x")), QStringLiteral("Z:\\etc\\x"));
}

TEST_F(DriveMapTest, ADriveFolderReachedThroughALinkIsStillThatDrive)
{
    QDir().mkpath(Host(QStringLiteral("real/site")));
    QFile::link(Host(QStringLiteral("real")), Host(QStringLiteral("alias")));
    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("alias"));
    const QString real = QFileInfo(Host(QStringLiteral("real"))).canonicalFilePath();
    EXPECT_EQ(Map().ToWindows(real + QStringLiteral("/site")), QStringLiteral("C:\\site"));

    environment[QStringLiteral("VINDREL_DRIVE_C")] = Host(QStringLiteral("real"));
    EXPECT_EQ(Map().ToWindows(Host(QStringLiteral("alias/site"))), QStringLiteral("C:\\site"));
}

} // namespace
