#include "WindowPlace.h"

#include <algorithm>

namespace {

int Fitted(int asked, int usual, int smallest, int largest)
{
    return std::min(std::max(asked > 0 ? asked : usual, smallest), std::max(largest, smallest));
}

// The start of a span of `length` placed at `asked`, inside [from, from + room).
int KeptInside(int asked, int length, int from, int room)
{
    return std::max(from, std::min(asked, from + room - length));
}

} // namespace

WindowPlace PlaceOfWindow(const QRect& asked, const QRect& screen)
{
    const QSize size(Fitted(asked.width(), kUsualWindowSize.width(), kSmallestWindowSize.width(), screen.width()),
                     Fitted(asked.height(), kUsualWindowSize.height(), kSmallestWindowSize.height(), screen.height()));
    if (asked.topLeft() == QPoint(0, 0))
        return {size, std::nullopt};
    return {size, QPoint(KeptInside(asked.x(), size.width(), screen.x(), screen.width()),
                         KeptInside(asked.y(), size.height(), screen.y(), screen.height()))};
}
