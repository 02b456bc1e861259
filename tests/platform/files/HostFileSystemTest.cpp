#include "platform/VbError.h"
#include "platform/files/impl/HostFileSystem.h"
#include "support/WriteFile.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Drive C: on a temporary folder; the program folder is its "prog" sub-folder.
class HostFileSystemTest : public ::testing::Test {
protected:
    HostFileSystemTest()
        : fs(DriveMap(
                 [this](const QString& v) { return v == QLatin1String("VINDREL_DRIVE_C") ? root.path() : QString(); }),
             root.filePath(QStringLiteral("prog")))
    {
    }

    void Write(const QString& relative, const QByteArray& bytes) const { WriteFile(root.filePath(relative), bytes); }
    QByteArray Read(const QString& relative) const
    {
        QFile f(root.filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void MakeDir(const QString& relative) const { QDir().mkpath(root.filePath(relative)); }
    void Chmod(const QString& relative, QFile::Permissions permissions) const
    {
        QFile::setPermissions(root.filePath(relative), permissions);
    }
    std::vector<QString> Names(const QString& folder, const QString& pattern)
    {
        std::vector<QString> names;
        const auto entries = fs.List(folder, pattern);
        for (const DirEntry& e : entries.value())
            names.push_back(e.name);
        return names;
    }
    static int ErrorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const VbError& e) {
            return e.number();
        }
        return 0;
    }

    static constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    static constexpr QFile::Permissions kNoRead = QFile::WriteOwner | QFile::ExeOwner;

    QTemporaryDir root;
    HostFileSystem fs;
};

TEST_F(HostFileSystemTest, NamesAreFoundWithoutRegardToCaseButExactNamesFirst)
{
    Write(QStringLiteral("Home-Pag/Inizio.htm"), "x");
    Write(QStringLiteral("exact/a.htm"), "lower");
    Write(QStringLiteral("exact/A.htm"), "upper");
    EXPECT_TRUE(fs.CanOpenForReading(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")));
    EXPECT_EQ(fs.HostPath(QStringLiteral("c:\\home-pag\\inizio.HTM")),
              root.filePath(QStringLiteral("Home-Pag/Inizio.htm")));
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\exact\\A.htm"), 10), QByteArray("upper"));
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\EXACT\\a.htm"), 10), QByteArray("lower"));

    // A new file keeps its own name inside the folder found without regard to case.
    fs.WriteAll(QStringLiteral("C:\\HOME-PAG\\NUOVA.HTM"), "n");
    EXPECT_EQ(Read(QStringLiteral("Home-Pag/NUOVA.HTM")), QByteArray("n"));
}

TEST_F(HostFileSystemTest, CanOpenForReadingOnlyForReadableFiles)
{
    Write(QStringLiteral("f.htm"), "x");
    Write(QStringLiteral("secret.htm"), "x");
    Chmod(QStringLiteral("secret.htm"), kNoRead);
    MakeDir(QStringLiteral("folder"));
    EXPECT_TRUE(fs.CanOpenForReading(QStringLiteral("C:\\f.htm")));
    for (const char* path :
         {"C:\\missing.htm", "D:\\f.htm", "C:\\folder", "C:\\secret.htm", "http://www.x.it/f.htm", "about:blank", ""})
        EXPECT_FALSE(fs.CanOpenForReading(QString::fromLatin1(path))) << path;
}

TEST_F(HostFileSystemTest, APipeIsNoFileAndNeverWaitedOn)
{
    // Opening a pipe without a writer (or reader) would block the program for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe.htm"))).constData(), 0644), 0);
    const QString pipe = QStringLiteral("C:\\pipe.htm");
    EXPECT_FALSE(fs.CanOpenForReading(pipe));
    EXPECT_EQ(ErrorOf([&] { fs.OpenForInput(pipe); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.ReadAll(pipe, 10); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(pipe); }), 75);
    Write(QStringLiteral("page.htm"), "x");
    EXPECT_EQ(ErrorOf([&] { fs.FileCopy(QStringLiteral("C:\\page.htm"), pipe); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.FileCopy(pipe, QStringLiteral("C:\\copy.htm")); }), 75);
}

TEST_F(HostFileSystemTest, ListingMatchesPatternsWithoutCaseInNtfsOrder)
{
    for (const char* name :
         {"sf2.jpg", "SF10.JPG", "Sf1.Jpg", "sfx.jpeg", "a.jpg", "b_c", "B[D", "README", ".hidden.jpg"})
        Write(QString::fromLatin1(name), "x");
    MakeDir(QStringLiteral("SFdir.JPG"));
    MakeDir(QStringLiteral("sub"));
    QFile::link(root.filePath(QStringLiteral("sub")), root.filePath(QStringLiteral("link")));
    QFile::link(root.filePath(QStringLiteral("nowhere")), root.filePath(QStringLiteral("dangling")));

    EXPECT_EQ(Names(QStringLiteral("C:\\"), QStringLiteral("SF*.JPG")),
              (std::vector<QString>{QStringLiteral("Sf1.Jpg"), QStringLiteral("SF10.JPG"), QStringLiteral("sf2.jpg"),
                                    QStringLiteral("SFdir.JPG")}));
    // "_" (0x5F) sorts after "[" (0x5B) and after letters once upper-cased; a dangling link is no entry.
    EXPECT_EQ(Names(QStringLiteral("C:\\"), QStringLiteral("*.*")),
              (std::vector<QString>{QStringLiteral(".hidden.jpg"), QStringLiteral("a.jpg"), QStringLiteral("B[D"),
                                    QStringLiteral("b_c"), QStringLiteral("link"), QStringLiteral("README"),
                                    QStringLiteral("Sf1.Jpg"), QStringLiteral("SF10.JPG"), QStringLiteral("sf2.jpg"),
                                    QStringLiteral("SFdir.JPG"), QStringLiteral("sfx.jpeg"), QStringLiteral("sub")}));

    const auto all = fs.List(QStringLiteral("c:\\"), QStringLiteral("*")).value();
    auto find = [&](const char* name) {
        return *std::find_if(all.begin(), all.end(), [&](const DirEntry& e) { return e.name == QLatin1String(name); });
    };
    EXPECT_TRUE(find("link").isDirectory);
    EXPECT_TRUE(find("sub").isDirectory);
    EXPECT_FALSE(find("a.jpg").isDirectory);
    EXPECT_TRUE(find(".hidden.jpg").isHidden);
    EXPECT_FALSE(find("a.jpg").isHidden);
}

TEST_F(HostFileSystemTest, ListingThatCannotStartGivesNothing)
{
    MakeDir(QStringLiteral("locked"));
    Write(QStringLiteral("locked/a.url"), "x");
    Chmod(QStringLiteral("locked"), kNoRead);
    Write(QStringLiteral("file.txt"), "x");
    EXPECT_FALSE(fs.List(QStringLiteral("C:\\missing"), QStringLiteral("*.*")).has_value());
    EXPECT_FALSE(fs.List(QStringLiteral("D:\\"), QStringLiteral("*.*")).has_value());
    EXPECT_FALSE(fs.List(QStringLiteral("C:\\locked"), QStringLiteral("*.*")).has_value());
    EXPECT_FALSE(fs.List(QStringLiteral("C:\\file.txt"), QStringLiteral("*.*")).has_value());
    MakeDir(QStringLiteral("empty"));
    EXPECT_TRUE(fs.List(QStringLiteral("C:\\empty"), QStringLiteral("*.*")).value().empty());
}

TEST_F(HostFileSystemTest, PlainFoldersAndTheirIdentity)
{
    MakeDir(QStringLiteral("Links"));
    MakeDir(QStringLiteral(".cache"));
    Write(QStringLiteral("f.url"), "x");
    QFile::link(root.filePath(QStringLiteral("Links")), root.filePath(QStringLiteral("again")));
    EXPECT_TRUE(fs.IsPlainFolder(QStringLiteral("C:\\LINKS")));
    EXPECT_FALSE(fs.IsPlainFolder(QStringLiteral("C:\\.cache")));
    EXPECT_FALSE(fs.IsPlainFolder(QStringLiteral("C:\\f.url")));
    EXPECT_FALSE(fs.IsPlainFolder(QStringLiteral("C:\\missing")));
    EXPECT_FALSE(fs.FolderIdentity(QStringLiteral("C:\\Links")).isEmpty());
    EXPECT_EQ(fs.FolderIdentity(QStringLiteral("C:\\again")), fs.FolderIdentity(QStringLiteral("C:\\Links")));
    EXPECT_NE(fs.FolderIdentity(QStringLiteral("C:\\.cache")), fs.FolderIdentity(QStringLiteral("C:\\Links")));
    EXPECT_EQ(fs.FolderIdentity(QStringLiteral("C:\\f.url")), QString());
}

TEST_F(HostFileSystemTest, WrittenLinesEndInCrLfAndReadBackByteForByte)
{
    const QByteArray latin1 = "caff\xE8 \x80";
    {
        auto out = fs.OpenForOutput(QStringLiteral("C:\\VINDREL.DAT"));
        out->WriteLine("http://www.x.it/");
        out->WriteLine("");
        out->WriteLine(latin1);
        out->WriteLine("  spaces  ");
        out->Close();
    }
    EXPECT_EQ(Read(QStringLiteral("VINDREL.DAT")),
              QByteArray("http://www.x.it/\r\n\r\n") + latin1 + "\r\n  spaces  \r\n");
    auto in = fs.OpenForInput(QStringLiteral("C:\\vindrel.dat"));
    std::vector<QByteArray> lines;
    for (QByteArray line; in->ReadLine(line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<QByteArray>{"http://www.x.it/", "", latin1, "  spaces  "}));
}

TEST_F(HostFileSystemTest, OutputIsTruncatedAndWrittenByTheDestructorToo)
{
    Write(QStringLiteral("f.txt"), "a much longer old content");
    fs.OpenForOutput(QStringLiteral("C:\\f.txt"))->WriteLine("new");
    EXPECT_EQ(Read(QStringLiteral("f.txt")), QByteArray("new\r\n"));
}

TEST_F(HostFileSystemTest, OpeningErrorsCarryTheRuntimeNumbers)
{
    Write(QStringLiteral("ro.txt"), "keep");
    Chmod(QStringLiteral("ro.txt"), kReadOnly);
    MakeDir(QStringLiteral("rofolder"));
    Chmod(QStringLiteral("rofolder"), kReadOnly | QFile::ExeOwner);
    MakeDir(QStringLiteral("folder"));

    EXPECT_EQ(ErrorOf([&] { fs.OpenForInput(QStringLiteral("C:\\missing.txt")); }), 53);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForInput(QStringLiteral("C:\\nofolder\\x.txt")); }), 76);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForInput(QStringLiteral("D:\\x.txt")); }), 76);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForInput(QStringLiteral("C:\\folder")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(QStringLiteral("C:\\ro.txt")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(QStringLiteral("C:\\rofolder\\new.txt")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(QStringLiteral("C:\\nofolder\\new.txt")); }), 76);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(QStringLiteral("D:\\new.txt")); }), 76);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForOutput(QStringLiteral("C:\\folder")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.WriteAll(QStringLiteral("C:\\ro.txt"), "x"); }), 75);
    EXPECT_EQ(Read(QStringLiteral("ro.txt")), QByteArray("keep"));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("rofolder/new.txt"))));
}

TEST_F(HostFileSystemTest, CopyReplacesTheTargetWhole)
{
    Write(QStringLiteral("page.htm"), "new page");
    Write(QStringLiteral("page.ht_"), "an older and longer backup");
    Chmod(QStringLiteral("page.ht_"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions before = QFile::permissions(root.filePath(QStringLiteral("page.ht_")));
    fs.FileCopy(QStringLiteral("C:\\PAGE.HTM"), QStringLiteral("C:\\page.ht_"));
    fs.FileCopy(QStringLiteral("C:\\page.htm"), QStringLiteral("C:\\fresh.htm"));
    EXPECT_EQ(Read(QStringLiteral("page.ht_")), QByteArray("new page"));
    EXPECT_EQ(Read(QStringLiteral("fresh.htm")), QByteArray("new page"));
    // The target keeps its own permissions.
    EXPECT_EQ(QFile::permissions(root.filePath(QStringLiteral("page.ht_"))), before);
}

TEST_F(HostFileSystemTest, CopyOntoReadOnlyTargetFailsAndKeepsIt)
{
    Write(QStringLiteral("page.ht~"), "rewritten");
    Write(QStringLiteral("page.htm"), "original");
    Chmod(QStringLiteral("page.htm"), kReadOnly);
    EXPECT_EQ(ErrorOf([&] { fs.FileCopy(QStringLiteral("C:\\page.ht~"), QStringLiteral("C:\\page.htm")); }), 75);
    EXPECT_EQ(Read(QStringLiteral("page.htm")), QByteArray("original"));
    EXPECT_TRUE(fs.CanOpenForReading(QStringLiteral("C:\\page.htm")));

    EXPECT_EQ(ErrorOf([&] { fs.FileCopy(QStringLiteral("C:\\gone.htm"), QStringLiteral("C:\\page.ht~")); }), 53);
    EXPECT_EQ(Read(QStringLiteral("page.ht~")), QByteArray("rewritten"));
    EXPECT_EQ(ErrorOf([&] { fs.FileCopy(QStringLiteral("C:\\page.ht~"), QStringLiteral("C:\\nofolder\\x")); }), 76);
}

TEST_F(HostFileSystemTest, CopyThroughALinkReplacesTheLinkedFile)
{
    Write(QStringLiteral("real.htm"), "old");
    Write(QStringLiteral("src.htm"), "new");
    QFile::link(root.filePath(QStringLiteral("real.htm")), root.filePath(QStringLiteral("alias.htm")));
    fs.FileCopy(QStringLiteral("C:\\src.htm"), QStringLiteral("C:\\alias.htm"));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("alias.htm"))).isSymLink());
    EXPECT_EQ(Read(QStringLiteral("real.htm")), QByteArray("new"));
}

TEST_F(HostFileSystemTest, ANewFileTakesTheNameWhateverItHeldButAFolderOrAReadOnlyFile)
{
    Write(QStringLiteral("page.htm"), "page");
    Write(QStringLiteral("mine.txt"), "mine");
    QFile::link(root.filePath(QStringLiteral("mine.txt")), root.filePath(QStringLiteral("link.ht_")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe.ht~"))).constData(), 0644), 0);
    fs.FileCopyToNewFile(QStringLiteral("C:\\page.htm"), QStringLiteral("C:\\link.ht_"));
    const auto writer = fs.OpenForNewFile(QStringLiteral("C:\\pipe.ht~")); // would wait for a reader if opened
    writer->WriteLine("new");
    writer->Close();
    EXPECT_EQ(Read(QStringLiteral("mine.txt")), QByteArray("mine"));
    EXPECT_FALSE(QFileInfo(root.filePath(QStringLiteral("link.ht_"))).isSymLink());
    EXPECT_EQ(Read(QStringLiteral("link.ht_")), QByteArray("page"));
    EXPECT_EQ(Read(QStringLiteral("pipe.ht~")), QByteArray("new\r\n"));

    Write(QStringLiteral("ro.ht_"), "kept");
    Chmod(QStringLiteral("ro.ht_"), kReadOnly);
    MakeDir(QStringLiteral("folder.ht~"));
    EXPECT_EQ(ErrorOf([&] { fs.FileCopyToNewFile(QStringLiteral("C:\\page.htm"), QStringLiteral("C:\\ro.ht_")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForNewFile(QStringLiteral("C:\\folder.ht~")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.OpenForNewFile(QStringLiteral("C:\\nofolder\\x.ht~")); }), 76);
    fs.OpenForNewFile(QStringLiteral("C:\\unclosed.ht~"))->WriteLine("lost");
    EXPECT_EQ(Read(QStringLiteral("ro.ht_")), QByteArray("kept"));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("unclosed.ht~"))));
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 5); // nothing left beside
}

TEST_F(HostFileSystemTest, ACopyDroppedUnfinishedLeavesNothingAndAFailedStartSpeaksAtFinish)
{
    Write(QStringLiteral("page.htm"), QByteArray(3 << 20, 'n'));
    Write(QStringLiteral("page.ht_"), "old");
    fs.StartFileCopy(QStringLiteral("C:\\page.htm"), QStringLiteral("C:\\page.ht_"));
    fs.StartFileCopyToNewFile(QStringLiteral("C:\\page.htm"), QStringLiteral("C:\\page.ht_"));
    EXPECT_EQ(Read(QStringLiteral("page.ht_")), QByteArray("old"));
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);
    const auto missing = fs.StartFileCopy(QStringLiteral("C:\\gone.htm"), QStringLiteral("C:\\page.ht_"));
    EXPECT_EQ(ErrorOf([&] { missing->Finish(); }), 53);
}

TEST_F(HostFileSystemTest, KillDeletesFilesOnly)
{
    Write(QStringLiteral("temphtm.HTM"), "x");
    Write(QStringLiteral("ro.htm"), "x");
    Chmod(QStringLiteral("ro.htm"), kReadOnly);
    MakeDir(QStringLiteral("folder"));
    fs.Kill(QStringLiteral("C:\\TEMPHTM.htm"));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("temphtm.HTM"))));
    EXPECT_EQ(ErrorOf([&] { fs.Kill(QStringLiteral("C:\\temphtm.HTM")); }), 53);
    EXPECT_EQ(ErrorOf([&] { fs.Kill(QStringLiteral("C:\\ro.htm")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.Kill(QStringLiteral("C:\\folder")); }), 53);
    EXPECT_TRUE(QFile::exists(root.filePath(QStringLiteral("ro.htm"))));
}

TEST_F(HostFileSystemTest, FoldersAreMadeRenamedAndRemoved)
{
    fs.MakeFolder(QStringLiteral("C:\\Nuova cartella"));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("Nuova cartella"))).isDir());
    EXPECT_EQ(ErrorOf([&] { fs.MakeFolder(QStringLiteral("C:\\nuova CARTELLA")); }), 75);
    EXPECT_EQ(ErrorOf([&] { fs.MakeFolder(QStringLiteral("C:\\a\\b")); }), 76);

    Write(QStringLiteral("Nuova cartella/x.url"), "x");
    fs.Rename(QStringLiteral("C:\\nuova cartella"), QStringLiteral("C:\\Siti"));
    EXPECT_EQ(Read(QStringLiteral("Siti/x.url")), QByteArray("x"));
    fs.Rename(QStringLiteral("C:\\Siti"), QStringLiteral("C:\\SITI")); // only the case changes
    EXPECT_EQ(Read(QStringLiteral("SITI/x.url")), QByteArray("x"));
    Write(QStringLiteral("y.url"), "y");
    EXPECT_EQ(ErrorOf([&] { fs.Rename(QStringLiteral("C:\\y.url"), QStringLiteral("C:\\siti\\X.URL")); }), 58);
    EXPECT_EQ(ErrorOf([&] { fs.Rename(QStringLiteral("C:\\none"), QStringLiteral("C:\\other")); }), 53);

    fs.RemoveTree(QStringLiteral("C:\\SITI"));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("SITI"))));
    EXPECT_EQ(ErrorOf([&] { fs.RemoveTree(QStringLiteral("C:\\SITI")); }), 53);
}

TEST_F(HostFileSystemTest, RemoveTreeRemovesNothingWhenSomethingInsideIsReadOnly)
{
    Write(QStringLiteral("tree/a.url"), "a");
    Write(QStringLiteral("tree/deep/ro.url"), "b");
    Chmod(QStringLiteral("tree/deep/ro.url"), kReadOnly);
    EXPECT_EQ(ErrorOf([&] { fs.RemoveTree(QStringLiteral("C:\\tree")); }), 75);
    EXPECT_EQ(Read(QStringLiteral("tree/a.url")), QByteArray("a"));
    EXPECT_EQ(Read(QStringLiteral("tree/deep/ro.url")), QByteArray("b"));
}

TEST_F(HostFileSystemTest, RemovingALinkToAFolderKeepsWhatItLeadsTo)
{
    Write(QStringLiteral("Preferiti/Siti/a.url"), "a");
    QFile::link(root.filePath(QStringLiteral("Preferiti/Siti")),
                root.filePath(QStringLiteral("Preferiti/Scorciatoia")));
    fs.RemoveTree(QStringLiteral("C:\\Preferiti\\Scorciatoia"));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("Preferiti/Scorciatoia"))));
    EXPECT_EQ(Read(QStringLiteral("Preferiti/Siti/a.url")), QByteArray("a"));
}

TEST_F(HostFileSystemTest, ProgramFolderAndPathsBothWays)
{
    EXPECT_EQ(fs.ProgramFolder(), QStringLiteral("C:\\prog"));
    EXPECT_EQ(HostFileSystem(DriveMap([](const QString&) { return QString(); }), QStringLiteral("/")).ProgramFolder(),
              QStringLiteral("Z:\\"));
    EXPECT_EQ(fs.WindowsPath(root.filePath(QStringLiteral("a b/c.htm"))), QStringLiteral("C:\\a b\\c.htm"));
    EXPECT_EQ(fs.HostPath(QStringLiteral("D:\\x")), QString());
}

TEST_F(HostFileSystemTest, ReadAllStopsAtTheLimit)
{
    Write(QStringLiteral("big.bin"), QByteArray(1000, 'x'));
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\big.bin"), 10).size(), 10);
    EXPECT_EQ(fs.ReadAll(QStringLiteral("C:\\big.bin"), 5000).size(), 1000);
}

TEST_F(HostFileSystemTest, UpdatesAreLockedByOneHolderAtATimeAndADeadHoldersLockIsTaken)
{
    const QString dat = QStringLiteral("C:\\prog\\VINDREL.DAT");
    const QByteArray lockFile = QFile::encodeName(root.filePath(QStringLiteral("prog/VINDREL.DAT.lock")));
    MakeDir(QStringLiteral("prog"));
    auto first = fs.LockUpdates(dat, 0);
    ASSERT_TRUE(first);
    EXPECT_FALSE(fs.LockUpdates(dat, 50));
    first.reset();
    EXPECT_FALSE(QFile::exists(QFile::decodeName(lockFile))) << "the lock file goes with its holder";

    // Another process holds it, and is killed: the file it leaves behind is taken over.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open(lockFile.constData(), O_RDWR | O_CREAT, 0600);
        ::flock(fd, LOCK_EX);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(fs.LockUpdates(dat, 50));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(fs.LockUpdates(dat, 0));
    ::close(ready[0]);
    ::close(ready[1]);

    // No folder to hold a lock file: nothing can be written there either.
    EXPECT_TRUE(fs.LockUpdates(QStringLiteral("C:\\manca\\VINDREL.DAT"), 0));
}

} // namespace
