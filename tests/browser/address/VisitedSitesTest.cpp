#include "browser/WindowFixture.h"
#include "browser/address/VisitedSitesRules.h"
#include "browser/address/VisitedSitesStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <QPushButton>
#include <chrono>
#include <thread>

namespace {

// While it lives, no file this process writes may grow beyond `bytes`: writes beyond fail as
// they do on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*signal_)(int) = nullptr;
};

TEST(VisitedSitesRules, FileNameIsAppendedEvenAtADriveRoot)
{
    EXPECT_EQ(VisitedSitesFile(QStringLiteral("C:\\Vindrel")), QStringLiteral("C:\\Vindrel\\VINDREL.DAT"));
    EXPECT_EQ(VisitedSitesFile(QStringLiteral("Z:\\")), QStringLiteral("Z:\\\\VINDREL.DAT"));
}

TEST(VisitedSitesRules, WhatIsWorthKeeping)
{
    EXPECT_FALSE(IsStorableAddress(QString()));
    EXPECT_FALSE(IsStorableAddress(QStringLiteral("   ")));
    EXPECT_FALSE(IsStorableAddress(QStringLiteral("about:blank")));
    EXPECT_TRUE(IsStorableAddress(QStringLiteral(" about:blank"))); // only the exact text is left out
    EXPECT_TRUE(IsStorableAddress(QStringLiteral("\t")));           // only blanks are trimmed
}

class VisitedSites : public WindowFixture {
protected:
    // The window on the blank page, its list then holding the given entries after it.
    frmBrowser& WithList(const QStringList& entries, const QString& start = QStringLiteral("about:blank"))
    {
        frmBrowser& w = Load(start);
        for (const QString& entry : entries)
            w.AppendToAddressList(entry);
        return w;
    }
};

TEST_F(VisitedSites, MergeAddsOnlyNewTrimmedAddressesOnce)
{
    frmBrowser& w = WithList({QStringLiteral("http:\\\\www.noto.it")}, QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    WriteVisitedFile("  http:\\\\www.noto.it  \r\n"
                     "\r\n"
                     "   \r\n"
                     "about:blank\r\n"
                     " about:blank\r\n"
                     "http:\\\\www.nuovo.it \r\n"
                     "http:\\\\www.nuovo.it\r\n"
                     "ultima senza fine riga");
    w.visitedSites().Merge();
    const QStringList expected = {QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"), QStringLiteral("http:\\\\www.noto.it"),
                                  QStringLiteral(" about:blank"), QStringLiteral("http:\\\\www.nuovo.it "),
                                  QStringLiteral("ultima senza fine riga")};
    EXPECT_EQ(w.AddressList(), expected);
    w.visitedSites().Merge();
    EXPECT_EQ(w.AddressList(), expected);
    EXPECT_FALSE(t.ui.hourglass);
}

// Edited with a Linux editor, the file has LF line ends (or CR alone): each line is one address,
// and the file is written back with CR LF throughout.
TEST_F(VisitedSites, LinesEndedByLfOrCrAreAddressesOfTheirOwn)
{
    WriteVisitedFile("uno\ndue\rtre\r\n\nquattro");
    frmBrowser& w = WithList({});
    EXPECT_EQ(w.AddressList(), QStringList({QStringLiteral("about:blank"), QStringLiteral("uno"), QStringLiteral("due"),
                                            QStringLiteral("tre"), QStringLiteral("quattro")}));
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), QByteArray("uno\r\ndue\r\ntre\r\nquattro\r\n"));
}

// A history of some hundred thousand addresses, with repeats: each once, in file order, the first
// of equal ones kept. (Comparing each line with every entry took minutes here.)
TEST_F(VisitedSites, AHugeHistoryMergesEachAddressOnceInFileOrder)
{
    constexpr int kAddresses = 300000;
    QByteArray file;
    QStringList expected{QStringLiteral("about:blank")};
    for (int i = 0; i < kAddresses; ++i) {
        const QByteArray address = "http://sito" + QByteArray::number(i) + ".it/";
        file += address + "\r\n";
        if (i % 3 == 0)
            file += "  " + address + " \r\n"; // equal once trimmed: not added again
        expected << QString::fromLatin1(address);
    }
    WriteVisitedFile(file);
    frmBrowser& w = WithList({});
    EXPECT_TRUE(w.AddressList() == expected);
    w.AppendToAddressList(QStringLiteral("http://nuovo.it/"));
    w.visitedSites().Rewrite();
    EXPECT_EQ(w.AddressList().size(), kAddresses + 2);
    EXPECT_EQ(VisitedFile().count('\n'), kAddresses + 1);
}

// A long history fills the list in pieces once the first page is there; what the window adds
// meanwhile follows the whole history, as if it had been read at once: a page whose address the
// file holds adds nothing, a new one goes after the history. Reading or showing the list ends the
// fill at once.
class LongHistory : public VisitedSites {
protected:
    static constexpr int kAddresses = 200000;
    static QString Address(int i) { return QStringLiteral("http://sito%1.it/").arg(i); }

    frmBrowser& StartedWithVisitsMeanwhile()
    {
        QByteArray file;
        for (int i = 0; i < kAddresses; ++i)
            file += Address(i).toLatin1() + "\r\n";
        WriteVisitedFile(file);
        frmBrowser& w = WithList({});
        EXPECT_EQ(w.cboAddress->count(), 1); // the window does not wait for the history
        w.SetAddressText(Address(kAddresses - 1));
        w.DocumentComplete(Address(kAddresses - 1)); // in the file: not added again
        w.SetAddressText(QStringLiteral("http://nuovo.it/"));
        w.DocumentComplete(QStringLiteral("http://nuovo.it/"));
        return w;
    }
    static QStringList Expected()
    {
        QStringList expected{QStringLiteral("about:blank")};
        for (int i = 0; i < kAddresses; ++i)
            expected << Address(i);
        return expected << QStringLiteral("http://nuovo.it/");
    }
};

TEST_F(LongHistory, FillsInPiecesBetweenOtherWork)
{
    frmBrowser& w = StartedWithVisitsMeanwhile();
    QCoreApplication::processEvents();
    const int afterOnePiece = w.cboAddress->count();
    EXPECT_GT(afterOnePiece, 1);
    EXPECT_LT(afterOnePiece, kAddresses);
    for (int turns = 0; w.cboAddress->count() < kAddresses + 2 && turns < kAddresses; ++turns)
        QCoreApplication::processEvents();
    EXPECT_TRUE(w.AddressList() == Expected());
    EXPECT_EQ(w.AddressText(), QStringLiteral("http://nuovo.it/"));
    EXPECT_FALSE(t.ui.hourglass);
}

TEST_F(LongHistory, ShowingTheListEndsTheFillAtOnce)
{
    frmBrowser& w = StartedWithVisitsMeanwhile();
    w.cboAddress->showPopup();
    EXPECT_EQ(w.cboAddress->count(), kAddresses + 2);
    w.cboAddress->hidePopup();
    EXPECT_TRUE(w.AddressList() == Expected());
    EXPECT_FALSE(t.ui.hourglass);
    w.visitedSites().Rewrite(); // the file is the list, nothing lost or doubled
    EXPECT_EQ(VisitedFile().count('\n'), kAddresses + 1);
    EXPECT_TRUE(VisitedFile().endsWith("http://sito199999.it/\r\nhttp://nuovo.it/\r\n"));
}

TEST_F(VisitedSites, MissingFileAddsNothing)
{
    frmBrowser& w = WithList({});
    w.visitedSites().Merge();
    EXPECT_EQ(w.AddressList(), QStringList{QStringLiteral("about:blank")});
    EXPECT_FALSE(t.ui.hourglass);
}

TEST_F(VisitedSites, RewriteKeepsOldAddressesAndDropsBlankLines)
{
    WriteVisitedFile("http:\\\\www.vecchio.it\r\n\r\n  \r\n");
    frmBrowser& w = WithList({QStringLiteral(" con spazi "), QStringLiteral("  ")});
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), QByteArray("http:\\\\www.vecchio.it\r\n con spazi \r\n"));
}

TEST_F(VisitedSites, RewriteCreatesTheFileOnTheFirstRun)
{
    frmBrowser& w = WithList({QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"), QStringLiteral("http:\\\\www.è.it")});
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), QByteArray("C:\\HOME-PAG\\INIZIO.HTM\r\nhttp:\\\\www.\xc3\xa8.it\r\n"));
}

TEST_F(VisitedSites, AddressDeletedInTheEditorComesBackIfStillListed)
{
    WriteVisitedFile("uno\r\ndue\r\n");
    frmBrowser& w = WithList({});
    WriteVisitedFile("uno\r\n");
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), QByteArray("uno\r\ndue\r\n"));
}

TEST_F(VisitedSites, WindowsCodePageLinesSurviveARewriteByteForByte)
{
    // "città" and "perché" as the program wrote them on Windows: not valid UTF-8.
    const QByteArray old = "http:\\\\www.citt\xe0.it\r\nhttp:\\\\perch\xe9\r\n";
    WriteVisitedFile(old);
    frmBrowser& w = WithList({});
    EXPECT_TRUE(w.AddressList().contains(QStringLiteral("http:\\\\www.città.it")));
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), old);
}

// What the user reads when the history was not saved.
QString NotSaved(frmBrowser& w)
{
    return QStringLiteral("Non riesco a registrare i Link dei Siti Internet visualizzati nel file ")
         + w.visitedSites().Path() + QStringLiteral(" !!!");
}

TEST_F(VisitedSites, AFileThatCannotBeReplacedIsLeftAsItWas)
{
    WriteVisitedFile("uno\r\n");
    QFile::setPermissions(t.host(QStringLiteral("prog/VINDREL.DAT")), QFile::ReadOwner);
    frmBrowser& w = WithList({QStringLiteral("due")});
    w.visitedSites().Rewrite();
    EXPECT_EQ(VisitedFile(), QByteArray("uno\r\n"));
    EXPECT_EQ(t.ui.texts(), QStringList{NotSaved(w)});
}

// The disk fills up while the file is written (here: a limit on the size of the files this
// process writes): the old file stays byte for byte, and no half-written file is left beside it.
TEST_F(VisitedSites, AFullDiskLeavesTheOldFileByteForByte)
{
    const QByteArray old = "http://www.vecchio.it/\r\nhttp://www.altro.it/\r\n";
    WriteVisitedFile(old);
    frmBrowser& w = WithList({});
    for (int i = 0; i < 2000; ++i)
        w.AppendToAddressList(QStringLiteral("http://www.nuovo.it/pagina") + QString::number(i));
    {
        const FileSizeLimit full(4096);
        w.visitedSites().Rewrite();
    }
    EXPECT_EQ(VisitedFile(), old);
    EXPECT_EQ(QDir(t.host(QStringLiteral("prog"))).entryList(QDir::Files), QStringList{QStringLiteral("VINDREL.DAT")});
    EXPECT_EQ(t.ui.texts(), QStringList{NotSaved(w)});

    w.visitedSites().Rewrite(); // room again: every address is saved
    EXPECT_TRUE(VisitedFile().startsWith(old));
    EXPECT_TRUE(VisitedFile().endsWith("http://www.nuovo.it/pagina1999\r\n"));
    EXPECT_EQ(t.ui.boxes.size(), 1U);
}

// Another copy of the program saves into the same file meanwhile: this one waits for it, and
// keeps what it wrote.
TEST_F(VisitedSites, ASaveWaitsForAnotherCopysAndKeepsWhatItWrote)
{
    WriteVisitedFile("uno\r\n");
    frmBrowser& w = WithList({QStringLiteral("mio")});
    auto otherCopy = t.fs->LockUpdates(w.visitedSites().Path(), 0);
    ASSERT_TRUE(otherCopy);
    std::thread saving([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the other copy's save takes its time
        WriteVisitedFile("uno\r\nsuo\r\n");
        otherCopy.reset();
    });
    w.visitedSites().Rewrite();
    saving.join();
    EXPECT_EQ(VisitedFile(), QByteArray("uno\r\nmio\r\nsuo\r\n"));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(VisitedSites, AFileThatCannotBeReadIsNotReplaced)
{
    WriteVisitedFile("uno\r\n");
    QFile::setPermissions(t.host(QStringLiteral("prog/VINDREL.DAT")), QFile::WriteOwner);
    frmBrowser& w = WithList({QStringLiteral("due")});
    w.visitedSites().Rewrite();
    QFile::setPermissions(t.host(QStringLiteral("prog/VINDREL.DAT")), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(VisitedFile(), QByteArray("uno\r\n"));
    EXPECT_FALSE(t.ui.hourglass);

    // A folder in its place is neither read nor replaced.
    QFile::remove(t.host(QStringLiteral("prog/VINDREL.DAT")));
    QDir().mkpath(t.host(QStringLiteral("prog/VINDREL.DAT/dentro")));
    w.visitedSites().Rewrite();
    EXPECT_TRUE(QDir(t.host(QStringLiteral("prog/VINDREL.DAT/dentro"))).exists());
    EXPECT_EQ(t.ui.texts(), (QStringList{NotSaved(w), NotSaved(w)}));
    EXPECT_EQ(t.ui.beeps, 2);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Chiusura Vindrel"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
}

TEST_F(VisitedSites, EditTriesBothEditorsThenTheDesktopsTextEditor)
{
    frmBrowser& w = WithList({});
    const QString path = w.visitedSites().Path();
    const QString first = QStringLiteral("C:\\Windows\\Notepad.exe ") + path;
    const QString second = QStringLiteral("C:\\WinNT\\Notepad.exe ") + path;
    t.system.startFailures = {first};
    w.Command5->click();
    EXPECT_EQ(t.system.started, QStringList{second});

    t.system.startFailures = {first, second};
    w.visitedSites().Edit();
    EXPECT_EQ(t.system.openedInEditor, QStringList{path});
    EXPECT_EQ(t.ui.beeps, 0);

    t.system.editorFails = true;
    w.visitedSites().Edit();
    EXPECT_EQ(t.ui.beeps, 1);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text,
              QStringLiteral("Non trovo un programma per modificare il file ") + path + QStringLiteral(" !!!"));
}

} // namespace
