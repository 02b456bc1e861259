#pragma once
#include <QtGlobal>

// A page stuck in a script holds its renderer, and with it every page of its site. After the
// user acts on the page on display (stops it, leaves it, presses a key on it), its renderer is
// asked for a sign of life; one that gives none for a while may be ended, once the user agrees.
inline constexpr qint64 kNotAnsweringAfterMs = 4000;

struct RendererWatch {
    qint64 unansweredMs = -1;   // since the sign of life was asked for; -1: it came, or none was asked for
    bool dialogShowing = false; // one of the page's dialogs is on display: its renderer waits for the user
    bool askedThisHang = false; // the user answered already while it gave no sign of life
};

// Whether to ask the user now whether to end the renderer.
bool AskToEndRenderer(const RendererWatch& watch);
