#include "platform/engine/impl/WindowPlace.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlaceTest, AsAskedButAlwaysWhollyOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1000); // the screen's free area
    const struct {
        QRect asked;
        QSize size;
        std::optional<QPoint> position;
    } cases[] = {
        {{120, 90, 500, 400}, {500, 400}, QPoint(120, 90)},
        {{0, 0, 500, 400}, {500, 400}, std::nullopt}, // no place named: the window system's
        {{}, kUsualWindowSize, std::nullopt},         // nothing named
        {{300, 200, 0, 0}, kUsualWindowSize, QPoint(300, 200)},
        {{1000, 900, 500, 400}, {500, 400}, QPoint(780, 600)}, // pulled back from the far edges
        {{-50, -70, 500, 400}, {500, 400}, QPoint(0, 0)},
        {{10, 10, 9000, 9000}, {1280, 1000}, QPoint(0, 0)}, // no larger than the screen
        {{10, 10, 20, 5}, kSmallestWindowSize, QPoint(10, 10)},
    };
    for (const auto& c : cases) {
        const WindowPlace place = PlaceOfWindow(c.asked, screen);
        EXPECT_EQ(place.size, c.size) << c.asked.x() << ',' << c.asked.y();
        EXPECT_EQ(place.position, c.position) << c.asked.x() << ',' << c.asked.y();
    }
    const WindowPlace belowPanel = PlaceOfWindow({50, 5, 500, 400}, QRect(0, 30, 1280, 970));
    EXPECT_EQ(belowPanel.position, QPoint(50, 30));
}

} // namespace
