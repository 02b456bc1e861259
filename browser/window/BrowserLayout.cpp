#include "BrowserLayout.h"

BrowserLayout ComputeBrowserLayout(const BrowserLayoutInput& in)
{
    BrowserLayout out{in.boxLeft - in.labelWidth + 50, in.boxWidth, in.browserWidth, in.browserHeight};
    const int fixedPart = (in.toolBarWidth + 120) + (in.labelWidth + 400);
    if (fixedPart + 600 < in.clientWidth)
        out.boxWidth = in.clientWidth - (fixedPart + 600);
    if (in.minimized)
        return out;
    out.browserWidth = in.clientWidth - 100;
    const int stripBottom = in.stripHeight + in.stripTop - 100;
    const int height = in.clientHeight - stripBottom - 200 - 250;
    if (height > 50)
        out.browserHeight = height;
    return out;
}
