#pragma once
#include <optional>

class QKeyEvent;

// What a key the page and the controls left unused asks of a window showing a page (F5, Esc,
// Alt+Left, Ctrl+F, Ctrl+P, Ctrl++ …, as the hosted browser had them; F11 as browsers have it).
struct KeyCommand {
    enum Kind { Refresh, Stop, Back, Forward, Home, AddressBox, Find, Print, Zoom, FullScreen } kind;
    int zoom = 0; // Zoom: +1 larger, -1 smaller, 0 back to the page's own size
};

// The command of a key; none for any other key.
std::optional<KeyCommand> KeyCommandOf(const QKeyEvent& event);
