#include "FullScreen.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {

// Where the window was before it filled the screen: without a window manager nothing else
// remembers it, nor tells the window it is in full screen.
constexpr char kNormalPlace[] = "vindrelNormalPlace";

} // namespace

void ToggleFullScreen(QWidget& window)
{
    const QRect screen = window.screen()->geometry();
    const QVariant normal = window.property(kNormalPlace);
    if (normal.isValid() && (window.isFullScreen() || window.geometry() == screen)) {
        window.setProperty(kNormalPlace, QVariant());
        window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
        window.setGeometry(normal.toRect());
    } else {
        window.setProperty(kNormalPlace, window.geometry());
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
        window.setGeometry(screen);
    }
}
