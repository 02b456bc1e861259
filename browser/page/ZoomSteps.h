#pragma once

// The zoom levels the keys and the wheel step through, in percent, as desktop browsers offer them.
inline constexpr int kZoomDefault = 100;
inline constexpr int kZoomMin = 25;
inline constexpr int kZoomMax = 500;

// The next level from `current` in `direction` (+1 larger, -1 smaller, 0 back to kZoomDefault),
// within kZoomMin and kZoomMax; a level between two steps goes to the nearer step that way.
int NextZoomStep(int current, int direction);
