#include "platform/system/impl/FileDialogPaths.h"
#include "support/QtPrinters.h"
#include "support/TempDriveC.h"

#include <gtest/gtest.h>

namespace {

class FileDialogPathsTest : public ::testing::Test {
protected:
    HostDialogSetup Map(const char* fileName, const char* filter = "", const char* initialFolder = "")
    {
        return MapFileDialogRequest(drive_.fs, {QStringLiteral("Scegli"), QString::fromUtf8(fileName),
                                                QString::fromUtf8(filter), QString::fromUtf8(initialFolder)});
    }
    TempDriveC drive_;
};

TEST_F(FileDialogPathsTest, APatternInTheNameFiltersWithoutRegardToCase)
{
    QDir().mkpath(drive_.host(QStringLiteral("HOME-PAG")));
    const HostDialogSetup setup = Map("C:\\HOME-PAG\\*.HTM");
    EXPECT_EQ(setup.folder, drive_.host(QStringLiteral("HOME-PAG")));
    EXPECT_TRUE(setup.selectedFile.isEmpty());
    EXPECT_EQ(setup.nameFilter, QStringLiteral("*.HTM (*.[Hh][Tt][Mm])"));
}

TEST_F(FileDialogPathsTest, AnExplicitFilterWinsOverThePatternInTheName)
{
    const HostDialogSetup setup = Map("C:\\*.*", "*.JPG;*.BMP");
    EXPECT_EQ(setup.nameFilter, QStringLiteral("*.JPG;*.BMP (*.[Jj][Pp][Gg] *.[Bb][Mm][Pp])"));
    // "C:\" is the root of the drive, not the current folder of C:.
    EXPECT_EQ(QDir(setup.folder).canonicalPath(), QDir(drive_.host(QString())).canonicalPath());
}

TEST_F(FileDialogPathsTest, APlainNameIsPreselectedAndTheInitialFolderWins)
{
    QDir().mkpath(drive_.host(QStringLiteral("FOTO")));
    const HostDialogSetup setup = Map("C:\\HOME-PAG\\SF1.JPG", "", "C:\\FOTO");
    EXPECT_EQ(setup.folder, drive_.host(QStringLiteral("FOTO")));
    EXPECT_EQ(setup.selectedFile, QStringLiteral("SF1.JPG"));
    EXPECT_TRUE(setup.nameFilter.isEmpty());
}

TEST_F(FileDialogPathsTest, NoFolderOrAMissingDriveLeavesTheCurrentFolder)
{
    EXPECT_TRUE(Map("*.HTM").folder.isEmpty());
    EXPECT_TRUE(Map("Q:\\HOME-PAG\\*.HTM").folder.isEmpty());
    EXPECT_EQ(Map("*.HTM").nameFilter, QStringLiteral("*.HTM (*.[Hh][Tt][Mm])"));
}

} // namespace
