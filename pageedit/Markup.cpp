#include "Markup.h"

#include "app/TextHelpers.h"

namespace {

const QString kQuote = QStringLiteral("\"");

QString OrDefault(const QString& colour, const QString& fallback)
{
    const QString trimmed = TrimBlanks(colour);
    return trimmed.isEmpty() ? fallback : trimmed;
}

QString HeadingName(const QString& headingText)
{
    return TrimBlanks(headingText).isEmpty() ? QStringLiteral("H2") : headingText.left(2);
}

QString AlignedParagraph(Alignment alignment)
{
    static const QString names[] = {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")};
    return QStringLiteral("<p align=") + kQuote + names[static_cast<int>(alignment)] + kQuote + QStringLiteral(">");
}

QString FontStart(const TextStyle& style)
{
    return QStringLiteral("<font color=") + kQuote + OrDefault(style.textColour, QStringLiteral("#FFFF80")) + kQuote
         + QStringLiteral(">");
}

QString StyledText(const TextStyle& style)
{
    QString out;
    if (style.bold)
        out += QStringLiteral("<strong>");
    if (style.italic)
        out += QStringLiteral("<em>");
    out += style.text;
    if (style.italic)
        out += QStringLiteral("</em>");
    if (style.bold)
        out += QStringLiteral("</strong>");
    return out;
}

QString InHeading(const TextStyle& style, const QString& inner)
{
    const QString name = HeadingName(style.headingText);
    return QStringLiteral("<") + name + QStringLiteral(">") + inner + QStringLiteral("</") + name + QStringLiteral(">");
}

} // namespace

QString BannerMarkup(const Banner& banner)
{
    const TextStyle& style = banner.style;
    QString inner;
    if (banner.scrolling)
        inner = QStringLiteral("<p>") + FontStart(style) + QStringLiteral("<marquee bgcolor=") + kQuote
              + OrDefault(banner.backgroundColour, QStringLiteral("#000080")) + kQuote + QStringLiteral(">")
              + StyledText(style) + QStringLiteral("</marquee>");
    else
        inner = AlignedParagraph(style.alignment) + FontStart(style) + StyledText(style);
    return InHeading(style, inner + QStringLiteral("</font></p>"));
}

QString LinkMarkup(const TextStyle& style, const QString& linkedPage)
{
    const QString anchor = QStringLiteral("<a href=") + kQuote + QStringLiteral("file://") + TrimBlanks(linkedPage)
                         + kQuote + QStringLiteral(">");
    return InHeading(style, anchor + AlignedParagraph(style.alignment) + FontStart(style) + StyledText(style)
                                + QStringLiteral("</font></p></a>"));
}
