#include "LineFakes.h"
#include "pageedit/PageTransform.h"

#include <gtest/gtest.h>

namespace {

QByteArray Insert(const QByteArrayList& page, const QString& markup = QStringLiteral("<H2>x</H2>"))
{
    ListLineReader reader(page);
    BytesLineWriter writer;
    CopyTransformed(reader, writer, InsertAfterBodyEnd{markup});
    return writer.bytes;
}

} // namespace

TEST(BodyEndLine, MarkersAreFoundInAnyCaseAndOnlyAsWritten)
{
    EXPECT_TRUE(IsBodyEndLine("</body>"));
    EXPECT_TRUE(IsBodyEndLine("  </BoDy></html>"));
    EXPECT_TRUE(IsBodyEndLine("<!-- fine /body -->")); // no "<" needed for the body marker
    EXPECT_TRUE(IsBodyEndLine("</Html>"));
    EXPECT_FALSE(IsBodyEndLine("/html"));               // the document marker needs its "<"
    EXPECT_FALSE(IsBodyEndLine("<body bgcolor=\"#FFFFFF\">"));
    EXPECT_FALSE(IsBodyEndLine(""));
    EXPECT_TRUE(IsBodyEndLine("caf\xe9 </b\xc3\xb3" "dy> /bOdY")); // non-ASCII bytes around the marker
}

TEST(InsertMode, MarkupFollowsTheFirstMarkerLineOnlyAndTheRestIsCopied)
{
    const QByteArrayList page{"<html>", "<!-- /body here -->", "<p>testo</p>", "</body>", "</html>"};
    EXPECT_EQ(Insert(page), AsWritten({"<html>", "<!-- /body here -->", "<H2>x</H2>", "<p>testo</p>",
                                            "</body>", "</html>"}));
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
    ListLineReader reader({"uno", "due", "\xe0tre"});
    BytesLineWriter writer;
    const LineRule rule = [](const QByteArray& line) -> std::optional<QByteArray> {
        if (line == "due")
            return QByteArray("DUE");
        return std::nullopt;
    };
    CopyTransformed(reader, writer, SubstituteLines{rule});
    EXPECT_EQ(writer.bytes, AsWritten({"uno", "DUE", "\xe0tre"}));
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
