#pragma once
#include <QString>
#include <QUrl>

// A window a page asks for: where it leads, and what the control needs to open it later.
struct NewWindowTarget {
    QString address; // as the program writes addresses; empty for a window without a page of its own
    QUrl url;        // what the control loads into it
};
