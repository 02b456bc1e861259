#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Where a window a page opens goes: the size it asked for (else the usual one), never smaller
// than a usable window nor larger than the screen's free area, and the place it asked for moved
// as little as needed to keep the whole window on that area. No place asked: no move, the
// window system places it.
struct WindowPlace {
    QSize size;
    std::optional<QPoint> position;
};

inline constexpr QSize kUsualWindowSize{800, 600};
inline constexpr QSize kSmallestWindowSize{100, 100};

// asked: as the page asked (its origin 0,0 when it named no place; an empty size when it named
// none); screen: the free area of the screen it goes on.
WindowPlace PlaceOfWindow(const QRect& asked, const QRect& screen);
