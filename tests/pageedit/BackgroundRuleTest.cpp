#include "pageedit/BackgroundRule.h"

#include <gtest/gtest.h>

namespace {

const QString kImage = QStringLiteral("C:\\HOME-PAG\\SF1.JPG");

struct RuleCase {
    const char* line;
    const char* expected; // nullptr: the line is kept
};

} // namespace

TEST(BackgroundRule, RewritesTheFirstValueAndKeepsTheRestOfTheLine)
{
    const RuleCase cases[] = {
        {"<body background=\"SF2.JPG\">", "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\">"},
        {"<body background=\"SF2.JPG\" text=\"#000000\">",
         "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\" text=\"#000000\">"},
        {"<td background='a.gif' width=3>", "<td background='file:///C:\\HOME-PAG\\SF1.JPG' width=3>"},
        {"<body background = \"SF2.JPG\">", "<body background = \"file:///C:\\HOME-PAG\\SF1.JPG\">"},
        {"<body background=SF2.JPG text=red>", "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\" text=red>"},
        {"<body background=SF2.JPG>", "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\">"},
        {"<body background=>", "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\">"},
        {"<body background=\"SF2.JPG", "<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\""},
        // The "=" may come much later on the line; only the first occurrence is handled.
        {"background del testo, poi <a href=\"x\">",
         "background del testo, poi <a href=\"file:///C:\\HOME-PAG\\SF1.JPG\">"},
        {"<td background=\"a\"><td background=\"b\">",
         "<td background=\"file:///C:\\HOME-PAG\\SF1.JPG\"><td background=\"b\">"},
        {"<body BACKGROUND=\"SF2.JPG\">", nullptr},
        {"il background della pagina", nullptr},
        {"<body bgcolor=\"#FFFFFF\">", nullptr},
        {"", nullptr},
    };
    const LineRule rule = BackgroundRule(kImage);
    for (const auto& c : cases) {
        const auto out = rule(QByteArray(c.line));
        if (c.expected)
            EXPECT_EQ(out, std::optional<QByteArray>(c.expected)) << c.line;
        else
            EXPECT_FALSE(out.has_value()) << c.line;
    }
}

TEST(BackgroundRule, BytesAroundTheValueSurviveAndThePathIsEncoded)
{
    const QByteArray line = "<td title=\"citt\xe0\" background=\"x.jpg\">\xe8";
    const auto out = BackgroundRule(QStringLiteral("C:\\IMMAGINI\\Perch\u00e9.JPG"))(line);
    EXPECT_EQ(out, std::optional<QByteArray>(
                       "<td title=\"citt\xe0\" background=\"file:///C:\\IMMAGINI\\Perch\xc3\xa9.JPG\">\xe8"));
}

TEST(ImagePath, BareNamesLieInTheHomeFolderOthersAreUsedAsTyped)
{
    const QString home = QStringLiteral("C:\\HOME-PAG\\");
    EXPECT_EQ(ResolveImagePath(home, QStringLiteral("SF9.JPG")), QStringLiteral("C:\\HOME-PAG\\SF9.JPG"));
    EXPECT_EQ(ResolveImagePath(home, QString()), home);
    EXPECT_EQ(ResolveImagePath(home, QStringLiteral("D:\\IMMAGINI\\SF9.JPG")), QStringLiteral("D:\\IMMAGINI\\SF9.JPG"));
    EXPECT_EQ(ResolveImagePath(home, QStringLiteral("sub\\SF9.JPG")), QStringLiteral("sub\\SF9.JPG"));
    EXPECT_EQ(ResolveImagePath(home, QStringLiteral("D:SF9.JPG")), QStringLiteral("D:SF9.JPG"));
    EXPECT_EQ(ResolveImagePath(QString(), QStringLiteral("SF1.JPG")), QStringLiteral("SF1.JPG"));
}
