#pragma once
#include <QSet>
#include <QString>

// What the periodic timer's ticks running now share. Ticks nest (a tick lets pending events run,
// and the page events run a tick directly), so an inner tick must not end a process an outer
// one already ended, nor pile a second question on the one the user is reading.
struct TickState {
    QSet<QString> endedThisPass;
    int endingDepth = 0;
    bool asking = false;
};
