#pragma once

class QWidget;

// F11: the whole window fills the screen, or comes back to the place and size it had.
void ToggleFullScreen(QWidget& window);
