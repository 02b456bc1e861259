#pragma once
#include <QIcon>
#include <QString>

// The pictures of the toolbar's buttons ("Back", "Forward", "Stop", "Refresh", "Home", "Search"),
// drawn at the size and scale each is shown at, greyed when the button is off. Drawn rather than
// looked up: finding and decoding the desktop's icons cost the start of every window more than
// the rest of its controls together.
QIcon ToolbarIcon(const QString& key);
