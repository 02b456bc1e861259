#include "LineFakes.h"
#include "pageedit/PageTransform.h"

#include <gtest/gtest.h>

namespace {

// The page's bytes through the transform; read with a small buffer too, so that lines and CR LF
// pairs cross the reader's buffer ends.
QByteArray Transformed(const QByteArray& page, const PageTransform& transform)
{
    QByteArray result;
    for (const qsizetype bufferSize : {1024 * 1024, 3}) {
        FileLineReader reader = PageReader(page, bufferSize);
        MemoryFile temporary;
        CopyTransformed(reader, temporary.writer, transform);
        if (bufferSize != 3)
            result = temporary.Written();
        else
            EXPECT_EQ(temporary.Written(), result) << "small buffer";
    }
    return result;
}

QByteArray InsertBytes(const QByteArray& page, const QString& markup = QStringLiteral("<H2>x</H2>"))
{
    return Transformed(page, InsertAfterBodyEnd{markup});
}

// A page of these lines, each ended by CR LF.
QByteArray Insert(const QByteArrayList& page, const QString& markup = QStringLiteral("<H2>x</H2>"))
{
    return InsertBytes(AsWritten(page), markup);
}

bool IsBodyEndLine(QByteArrayView line) { return FindBodyEnd(line) >= 0; }

} // namespace

TEST(BodyEndLine, MarkersAreFoundInAnyCaseAndOnlyAsWritten)
{
    EXPECT_TRUE(IsBodyEndLine("</body>"));
    EXPECT_TRUE(IsBodyEndLine("  </BoDy></html>"));
    EXPECT_TRUE(IsBodyEndLine("<!-- fine /body -->")); // no "<" needed for the body marker
    EXPECT_TRUE(IsBodyEndLine("</Html>"));
    EXPECT_FALSE(IsBodyEndLine("/html")); // the document marker needs its "<"
    EXPECT_FALSE(IsBodyEndLine("<body bgcolor=\"#FFFFFF\">"));
    EXPECT_FALSE(IsBodyEndLine(""));
    EXPECT_TRUE(IsBodyEndLine("caf\xe9 </b\xc3\xb3"
                              "dy> /bOdY")); // non-ASCII bytes around the marker
    // Where in a longer text: the first marker, wherever it falls in a block of sixteen.
    for (const qsizetype at : {0, 15, 16, 17, 40}) {
        const QByteArray text = QByteArray(at, '/') + "</hTmL>" + QByteArray(20, 'b') + "/body";
        EXPECT_EQ(FindBodyEnd(text), at + 1) << at;
    }
    EXPECT_EQ(FindBodyEnd(QByteArray(100, '/') + "/bod"), -1);
}

// Pages saved on Linux end their lines with LF: the markup goes after the marker line, not after
// the whole page, and every line keeps the end it had.
TEST(InsertMode, LineEndsOfAnyKindAreKept)
{
    EXPECT_EQ(InsertBytes("<html>\n<body>\n<p>a</p>\n</body>\n</html>\n"),
              QByteArray("<html>\n<body>\n<p>a</p>\n</body>\n<H2>x</H2>\n</html>\n"));
    EXPECT_EQ(InsertBytes("<p>a</p>\r</body>\r</html>"), QByteArray("<p>a</p>\r</body>\r<H2>x</H2>\r</html>\r\n"));
    EXPECT_EQ(InsertBytes("a\r\nb\n</body>\r\nc\rd"), QByteArray("a\r\nb\n</body>\r\n<H2>x</H2>\r\nc\rd\r\n"));
    // A marker line without an end is a last line: it gets CR LF, and so does the markup.
    EXPECT_EQ(InsertBytes("x\n</body>"), QByteArray("x\n</body>\r\n<H2>x</H2>\r\n"));
    const QByteArray crLfPage = AsWritten({"<html>", "<body>", "</body>", "</html>"});
    EXPECT_EQ(InsertBytes(crLfPage), AsWritten({"<html>", "<body>", "</body>", "<H2>x</H2>", "</html>"}));
}

TEST(InsertMode, MarkupFollowsTheFirstMarkerLineOnlyAndTheRestIsCopied)
{
    const QByteArrayList page{"<html>", "<!-- /body here -->", "<p>testo</p>", "</body>", "</html>"};
    EXPECT_EQ(Insert(page),
              AsWritten({"<html>", "<!-- /body here -->", "<H2>x</H2>", "<p>testo</p>", "</body>", "</html>"}));
}

TEST(InsertMode, BodyAndDocumentEndOnOneLineGetTheMarkupAfterBoth)
{
    EXPECT_EQ(Insert({"<p>a</p></body></html>"}), AsWritten({"<p>a</p></body></html>", "<H2>x</H2>"}));
}

TEST(InsertMode, PageWithoutMarkerOrEmptyIsCopiedAsItIs)
{
    EXPECT_EQ(Insert({"<p>solo testo</p>", "html"}), AsWritten({"<p>solo testo</p>", "html"}));
    EXPECT_TRUE(Insert({}).isEmpty());
    EXPECT_EQ(Insert({"", ""}), QByteArray("\r\n\r\n")); // empty lines are lines too
}

TEST(InsertMode, MarkupIsEncodedAndOtherLinesKeepTheirBytes)
{
    const QByteArray latin1Line = "<p>citt\xe0 \x93virgolette\x94</p>"; // Windows-1252, not valid UTF-8
    EXPECT_EQ(Insert({latin1Line, "</BODY>"}, QStringLiteral("<H2>Perch\u00e9</H2>")),
              AsWritten({latin1Line, "</BODY>", "<H2>Perch\xc3\xa9</H2>"}));
}

TEST(SubstitutionMode, OnlyLinesTheRuleChangesAreReplaced)
{
    const LineRule rule = [](const QByteArray& line) -> std::optional<QByteArray> {
        if (line == "due")
            return QByteArray("DUE");
        return std::nullopt;
    };
    EXPECT_EQ(Transformed(AsWritten({"uno", "due", "\xe0tre"}), SubstituteLines{rule}),
              AsWritten({"uno", "DUE", "\xe0tre"}));
    // Each line keeps its own end, a changed one too; a last line without one gets CR LF.
    EXPECT_EQ(Transformed("uno\ndue\rtre\r\nquattro", SubstituteLines{rule}),
              QByteArray("uno\nDUE\rtre\r\nquattro\r\n"));
}

TEST(InsertMode, PagesLargerThanOneWriteBlockComeOutWhole)
{
    QByteArrayList page;
    for (int i = 0; i < 40000; ++i)
        page << "<p>riga " + QByteArray::number(i) + "</p>";
    page.insert(20000, "</body>");
    QByteArrayList expected = page;
    expected.insert(20001, "<H2>x</H2>");
    EXPECT_EQ(Insert(page), AsWritten(expected));
}

TEST(RewritePaths, LastCharacterIsReplaced)
{
    EXPECT_EQ(TemporaryPath(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")), QStringLiteral("C:\\HOME-PAG\\INIZIO.HT~"));
    EXPECT_EQ(TemporaryPath(QStringLiteral("PAGINA.HTML")), QStringLiteral("PAGINA.HTM~"));
    EXPECT_EQ(BackupPath(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")), QStringLiteral("C:\\HOME-PAG\\INIZIO.HT_"));
    EXPECT_EQ(TemporaryPath(QString()), QStringLiteral("~"));
}
