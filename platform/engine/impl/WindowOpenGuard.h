#pragma once

class QWebEnginePage;

// While the pop-up switch blocks every window, a page's window.open gives it no window (null),
// so that the page can tell its user; the request still reaches the control, which notes it.
// Holds for the page's next documents and, from now on, for the one on display (its frames from
// their next document).
void GuardWindowOpen(QWebEnginePage& page, bool blocked);
