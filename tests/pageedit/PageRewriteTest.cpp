#include "PageFixture.h"
#include "pageedit/BackgroundRule.h"
#include "pageedit/PageRewrite.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kMarkup = QStringLiteral("<H2>Ciao</H2>");

class PageRewriteTest : public PageFixture {
protected:
    bool Insert() { return RewritePage(*t.program, InsertAfterBodyEnd{kMarkup}); }
};

} // namespace

TEST_F(PageRewriteTest, InsertWritesTemporaryThenBackupThenPageAndReloads)
{
    const QByteArray old = "<html>\r\n<body>\r\n<p>x</p>\r\n</body>\r\n</html>\r\n";
    WritePage(old);
    EXPECT_TRUE(Insert());
    const QByteArray expected = "<html>\r\n<body>\r\n<p>x</p>\r\n</body>\r\n<H2>Ciao</H2>\r\n</html>\r\n";
    EXPECT_EQ(Page(), expected);
    EXPECT_EQ(Temporary(), expected);
    EXPECT_EQ(Backup(), old);
    EXPECT_EQ(Refreshes(), 1);
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.ui.beeps, 0);
}

TEST_F(PageRewriteTest, LineEndsAndMarkersOnRealFiles)
{
    const struct {
        const char* name;
        QByteArray page;
        QByteArray rewritten;
    } cases[] = {
        {"LF ends a line and is kept", "<p>a</p>\n</body>\n</html>", "<p>a</p>\n</body>\n<H2>Ciao</H2>\n</html>\r\n"},
        {"last line without end gets CR LF", "<p>a</p>\r\n<p>b</p>", "<p>a</p>\r\n<p>b</p>\r\n"},
        {"lone CR ends a line and is kept", "</BODY>\r</HTML>", "</BODY>\r<H2>Ciao</H2>\r</HTML>\r\n"},
        {"lower-case marker", "<p>a</p>\r\n</body>\r\n", "<p>a</p>\r\n</body>\r\n<H2>Ciao</H2>\r\n"},
        {"marker inside a comment comes first", "<!-- /Body -->\r\n</body>\r\n",
         "<!-- /Body -->\r\n<H2>Ciao</H2>\r\n</body>\r\n"},
        {"no marker: unchanged", "<p>a</p>\r\n<p>b</p>\r\n", "<p>a</p>\r\n<p>b</p>\r\n"},
        {"empty page", "", ""},
        {"Windows-1252 bytes survive", "<p>citt\xe0 \x80 \x93x\x94</p>\r\n</body>\r\n",
         "<p>citt\xe0 \x80 \x93x\x94</p>\r\n</body>\r\n<H2>Ciao</H2>\r\n"},
        {"UTF-8 bytes survive", "<p>citt\xc3\xa0</p>\r\n</body>\r\n",
         "<p>citt\xc3\xa0</p>\r\n</body>\r\n<H2>Ciao</H2>\r\n"},
    };
    for (const auto& c : cases) {
        WritePage(c.page);
        EXPECT_TRUE(Insert()) << c.name;
        EXPECT_EQ(Page(), c.rewritten) << c.name;
        EXPECT_EQ(Backup(), c.page) << c.name;
    }
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(PageRewriteTest, LargePageWithMixedLineEndsAndAVeryLongLineComesOutWhole)
{
    // Lines cross the reader's and the writer's buffers, one is longer than both; every line
    // keeps its end.
    QByteArray page;
    QByteArray expected;
    const char* ends[] = {"\r\n", "\r", "\n"};
    for (int i = 0; i < 120000; ++i) {
        const QByteArray line = i == 60000 ? QByteArray(3 * 1024 * 1024, 'x') + "\n"
                              : i == 90000 ? QByteArray("</BODY>")
                                           : "<p>riga \xe0 " + QByteArray::number(i) + "</p>";
        const QByteArray end = i == 119999 ? QByteArray() : QByteArray(ends[i % 3]);
        page += line + end;
        expected += line + (end.isEmpty() ? QByteArray("\r\n") : end);
        if (i == 90000)
            expected += "<H2>Ciao</H2>" + end;
    }
    WritePage(page);
    ASSERT_TRUE(Insert());
    EXPECT_TRUE(Page() == expected);
    EXPECT_TRUE(Backup() == page);
}

TEST_F(PageRewriteTest, TwoRewritesInARowKeepTheStateBeforeTheSecondAsBackup)
{
    WritePage("</body>\r\n");
    ASSERT_TRUE(Insert());
    const QByteArray afterFirst = Page();
    ASSERT_TRUE(RewritePage(*t.program, InsertAfterBodyEnd{QStringLiteral("<H1>due</H1>")}));
    EXPECT_EQ(Backup(), afterFirst);
    EXPECT_EQ(Temporary(), QByteArray("</body>\r\n<H1>due</H1>\r\n<H2>Ciao</H2>\r\n"));
    EXPECT_EQ(Page(), Temporary());
    EXPECT_EQ(Refreshes(), 2);
}

TEST_F(PageRewriteTest, ReadFailuresNameThePageAndTouchNothing)
{
    // Missing page.
    EXPECT_FALSE(Insert());
    // Empty page path.
    browserWindow.tag.clear();
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ui.texts(), (QStringList{QStringLiteral("Errore in lettura pagina C:\\HOME-PAG\\INIZIO.HTM"),
                                         QStringLiteral("Errore in lettura pagina ")}));
    EXPECT_EQ(t.ui.beeps, 2);
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(t.ui.boxes[0].title, kProgramTitle);
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(PageRewriteTest, ReadOnlyFolderFailsReadingAndLeavesThePage)
{
    const QByteArray old = "</body>\r\n";
    WritePage(old);
    MakeReadOnly("C/HOME-PAG");
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ui.texts(), QStringList{QStringLiteral("Errore in lettura pagina C:\\HOME-PAG\\INIZIO.HTM")});
    EXPECT_EQ(Page(), old);
    EXPECT_FALSE(t.HostFileExists(QLatin1String(kBackup)));
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(PageRewriteTest, ReadOnlyPageIsBackedUpButNotReplaced)
{
    const QByteArray old = "<p>a</p>\r\n</body>\r\n";
    WritePage(old);
    MakeReadOnly(kPage);
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ui.texts(), QStringList{QStringLiteral(
                                "Errore in cambio nome pagina C:\\HOME-PAG\\INIZIO.HT~ in C:\\HOME-PAG\\INIZIO.HTM")});
    EXPECT_EQ(t.ui.beeps, 1);
    EXPECT_EQ(Backup(), old);
    EXPECT_EQ(Page(), old);
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(PageRewriteTest, BackupThatCannotBeWrittenStopsBeforeThePage)
{
    const QByteArray old = "</body>\r\n";
    WritePage(old);
    t.WriteHostFile(QLatin1String(kBackup), "vecchio");
    MakeReadOnly(kBackup);
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ui.texts(),
              QStringList{QStringLiteral(
                  "Errore nella copia della pagina C:\\HOME-PAG\\INIZIO.HTM in C:\\HOME-PAG\\INIZIO.HT_")});
    EXPECT_EQ(Page(), old);
    EXPECT_EQ(Refreshes(), 0);
    ::chmod(QFile::encodeName(t.host(QLatin1String(kBackup))).constData(), 0644);
}

TEST_F(PageRewriteTest, PageNamedLikeItsOwnTemporaryOrBackupIsNotDestroyed)
{
    // Its temporary file would be the page itself: writing it would empty the page being read.
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/PAGINA.HT~"), "</body>\r\n");
    browserWindow.tag = QStringLiteral("C:\\HOME-PAG\\PAGINA.HT~");
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/PAGINA.HT~")), QByteArray("</body>\r\n"));

    // Its backup would be the page itself: the old page would be lost.
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/PAGINA.HT_"), "</body>\r\n");
    browserWindow.tag = QStringLiteral("C:\\HOME-PAG\\PAGINA.HT_");
    EXPECT_FALSE(Insert());
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/PAGINA.HT_")), QByteArray("</body>\r\n"));
    EXPECT_EQ(
        t.ui.texts(),
        (QStringList{QStringLiteral("Errore in lettura pagina C:\\HOME-PAG\\PAGINA.HT~"),
                     QStringLiteral(
                         "Errore nella copia della pagina C:\\HOME-PAG\\PAGINA.HT_ in C:\\HOME-PAG\\PAGINA.HT_")}));
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(PageRewriteTest, LinksAtTheTemporaryAndBackupNamesAreReplacedNotWrittenThrough)
{
    // Links a folder of pages may bring along, leading to the user's own files.
    t.WriteHostFile(QStringLiteral("mio.txt"), "mio");
    t.WriteHostFile(QStringLiteral("altro.txt"), "altro");
    QFile::link(t.host(QStringLiteral("mio.txt")), t.host(QLatin1String(kTemporary)));
    QFile::link(t.host(QStringLiteral("altro.txt")), t.host(QLatin1String(kBackup)));
    const QByteArray old = "</body>\r\n";
    WritePage(old);
    ASSERT_TRUE(Insert());
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("mio.txt")), QByteArray("mio"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("altro.txt")), QByteArray("altro"));
    EXPECT_FALSE(QFileInfo(t.host(QLatin1String(kTemporary))).isSymLink());
    EXPECT_FALSE(QFileInfo(t.host(QLatin1String(kBackup))).isSymLink());
    EXPECT_EQ(Backup(), old);
    EXPECT_EQ(Temporary(), Page());

    // A page that is itself a link: the page it leads to is rewritten, the link kept.
    t.WriteHostFile(QStringLiteral("vera.htm"), old);
    QFile::remove(t.host(QLatin1String(kPage)));
    QFile::link(t.host(QStringLiteral("vera.htm")), t.host(QLatin1String(kPage)));
    ASSERT_TRUE(Insert());
    EXPECT_TRUE(QFileInfo(t.host(QLatin1String(kPage))).isSymLink());
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("vera.htm")), QByteArray("</body>\r\n<H2>Ciao</H2>\r\n"));
    EXPECT_EQ(Backup(), old);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(PageRewriteTest, FailedCommitLeavesNoTemporaryFileAndTheBackupAsItWas)
{
    const QByteArray old = "</body>\r\n";
    const auto leftovers = [this] {
        QStringList names = QDir(t.host(QStringLiteral("C/HOME-PAG")))
                                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                           QDir::NoSort);
        names.sort();
        return names;
    };
    // A folder at the backup's name is not replaced.
    WritePage(old);
    QDir().mkpath(t.host(QLatin1String(kBackup)));
    EXPECT_FALSE(Insert());
    EXPECT_EQ(leftovers(), (QStringList{QStringLiteral("INIZIO.HTM"), QStringLiteral("INIZIO.HT_")}));
    EXPECT_EQ(Page(), old);

    // A page that cannot be replaced keeps the backup of this try only.
    QDir().rmdir(t.host(QLatin1String(kBackup)));
    MakeReadOnly(kPage);
    EXPECT_FALSE(Insert());
    EXPECT_EQ(leftovers(), (QStringList{QStringLiteral("INIZIO.HTM"), QStringLiteral("INIZIO.HT_")}));
    EXPECT_EQ(Backup(), old);
    EXPECT_EQ(t.ui.texts(),
              (QStringList{QStringLiteral(
                               "Errore nella copia della pagina C:\\HOME-PAG\\INIZIO.HTM in C:\\HOME-PAG\\INIZIO.HT_"),
                           QStringLiteral(
                               "Errore in cambio nome pagina C:\\HOME-PAG\\INIZIO.HT~ in C:\\HOME-PAG\\INIZIO.HTM")}));
}

TEST_F(PageRewriteTest, SubstitutionRewritesEveryBackgroundLine)
{
    WritePage("<body background=\"SF2.JPG\" text=\"#000000\">\r\n<td background=x.gif>\r\n<p>testo</p>\r\n");
    EXPECT_TRUE(RewritePage(*t.program, SubstituteLines{BackgroundRule(QStringLiteral("C:\\HOME-PAG\\SF1.JPG"))}));
    EXPECT_EQ(Page(), QByteArray("<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\" text=\"#000000\">\r\n"
                                 "<td background=\"file:///C:\\HOME-PAG\\SF1.JPG\">\r\n<p>testo</p>\r\n"));
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(PageRewriteTest, ReloadThatFailsStillReportsTheRewrite)
{
    WritePage("</body>\r\n");
    browserWindow.browser.failingOperations.insert(QStringLiteral("Refresh"));
    EXPECT_TRUE(Insert());
    EXPECT_TRUE(t.ui.boxes.empty());
}
