#pragma once
#include <QString>

enum class Alignment { Left, Center, Right };

// What the banner and link windows share: heading, colour, style and the text itself.
struct TextStyle {
    QString headingText; // the heading combo's text as typed ("H2 - Scrittura 2")
    QString textColour;  // blank: the default "#FFFF80"
    Alignment alignment = Alignment::Left;
    bool bold = false;
    bool italic = false;
    QString text; // written exactly as typed
};

struct Banner {
    TextStyle style;
    bool scrolling = false;   // a marquee without alignment
    QString backgroundColour; // of the marquee; blank: the default "#000080"
};

// The single line of markup each window inserts into the page.
QString BannerMarkup(const Banner& banner);
QString LinkMarkup(const TextStyle& style, const QString& linkedPage);
