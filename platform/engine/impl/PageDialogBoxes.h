#pragma once
#include <QString>

class QWidget;

enum class PageDialogKind {
    Alert,   // a message and "OK"
    Confirm, // a question, "OK" and "Annulla"
    Prompt,  // a question with a text to give, "OK" and "Annulla"
};

struct PageDialogAnswer {
    bool accepted = false;    // "OK"
    bool stopTheRest = false; // the user ticked the offer to stop the page's further dialogs
    QString text;             // what a prompt was given
};

// The box of a page's own dialog, in the program's language, over the page's window; offerStop
// adds the check box that stops the page's further dialogs. Modal, as the page waits for it.
PageDialogAnswer ShowPageDialog(QWidget* over, PageDialogKind kind, const QString& message, const QString& defaultText,
                                bool offerStop);
