#include "pageedit/Markup.h"

#include <gtest/gtest.h>

namespace {

TextStyle Style(const QString& text)
{
    TextStyle s;
    s.headingText = QStringLiteral("H2 - Scrittura 2");
    s.textColour = QStringLiteral("#FFFF80");
    s.text = text;
    return s;
}

} // namespace

TEST(BannerMarkup, WorkedExamples)
{
    Banner normal{Style(QStringLiteral("Benvenuti")), false, QStringLiteral("#000080")};
    normal.style.bold = true;
    EXPECT_EQ(BannerMarkup(normal),
              QStringLiteral(
                  "<H2><p align=\"left\"><font color=\"#FFFF80\"><strong>Benvenuti</strong></font></p></H2>"));

    const Banner scrolling{Style(QStringLiteral("Benvenuti")), true, QStringLiteral("#000080")};
    EXPECT_EQ(BannerMarkup(scrolling),
              QStringLiteral(
                  "<H2><p><font color=\"#FFFF80\"><marquee bgcolor=\"#000080\">Benvenuti</marquee></font></p></H2>"));
}

TEST(BannerMarkup, HeadingComesFromTheFirstTwoCharactersAsTyped)
{
    const struct {
        const char* combo;
        const char* open;
        const char* close;
    } cases[] = {
        {"", "<H2>", "</H2>"},
        {" ", "<H2>", "</H2>"},
        {"H5 - Scrittura 5", "<H5>", "</H5>"},
        {"H0 - Titoli", "<H0>", "</H0>"},
        {"X", "<X>", "</X>"},
        {"Titolo", "<Ti>", "</Ti>"},
        {" H3", "< H>", "</ H>"},
    };
    for (const auto& c : cases) {
        Banner b{Style(QStringLiteral("t")), false, {}};
        b.style.headingText = QString::fromLatin1(c.combo);
        const QString line = BannerMarkup(b);
        EXPECT_TRUE(line.startsWith(QLatin1String(c.open))) << c.combo << " " << line.toStdString();
        EXPECT_TRUE(line.endsWith(QLatin1String(c.close))) << c.combo << " " << line.toStdString();
    }
}

TEST(BannerMarkup, BlankColoursFallBackAndTextIsKeptAsTyped)
{
    Banner b{Style(QStringLiteral("  <b>a & b</b> ")), true, QStringLiteral("   ")};
    b.style.textColour = QStringLiteral("  ");
    EXPECT_EQ(BannerMarkup(b),
              QStringLiteral("<H2><p><font color=\"#FFFF80\"><marquee bgcolor=\"#000080\">  <b>a & b</b> "
                             "</marquee></font></p></H2>"));
    b.style.textColour = QStringLiteral(" red ");
    b.backgroundColour = QStringLiteral(" #112233");
    EXPECT_EQ(BannerMarkup(b), QStringLiteral("<H2><p><font color=\"red\"><marquee bgcolor=\"#112233\">  <b>a & b</b> "
                                              "</marquee></font></p></H2>"));
}

TEST(BannerMarkup, ScrollingIgnoresAlignmentAndStylesNestStrongOutside)
{
    Banner b{Style(QStringLiteral("x")), true, {}};
    b.style.alignment = Alignment::Center;
    b.style.bold = b.style.italic = true;
    EXPECT_EQ(BannerMarkup(b), QStringLiteral("<H2><p><font color=\"#FFFF80\"><marquee bgcolor=\"#000080\">"
                                              "<strong><em>x</em></strong></marquee></font></p></H2>"));
    b.scrolling = false;
    b.style.alignment = Alignment::Right;
    b.style.bold = false;
    EXPECT_EQ(BannerMarkup(b),
              QStringLiteral("<H2><p align=\"right\"><font color=\"#FFFF80\"><em>x</em></font></p></H2>"));
}

TEST(LinkMarkup, WorkedExampleAndTrimmedPath)
{
    TextStyle s = Style(QStringLiteral("Vai alla pagina 2"));
    s.alignment = Alignment::Center;
    const QString expected = QStringLiteral("<H2><a href=\"file://C:\\HOME-PAG\\PAG2.HTM\"><p align=\"center\"><font "
                                            "color=\"#FFFF80\">Vai alla pagina 2</font></p></a></H2>");
    EXPECT_EQ(LinkMarkup(s, QStringLiteral("C:\\HOME-PAG\\PAG2.HTM")), expected);
    EXPECT_EQ(LinkMarkup(s, QStringLiteral("  C:\\HOME-PAG\\PAG2.HTM ")), expected);
}

TEST(LinkMarkup, StylesAndInnerBlanksOfThePath)
{
    TextStyle s = Style(QStringLiteral(" Vai "));
    s.bold = s.italic = true;
    s.headingText.clear();
    EXPECT_EQ(LinkMarkup(s, QStringLiteral("C:\\LE MIE PAGINE\\*.HTM")),
              QStringLiteral(
                  "<H2><a href=\"file://C:\\LE MIE PAGINE\\*.HTM\"><p align=\"left\"><font color=\"#FFFF80\">"
                  "<strong><em> Vai </em></strong></font></p></a></H2>"));
}
