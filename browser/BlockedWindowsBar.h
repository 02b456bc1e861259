#pragma once
#include "PageBar.h"

#include "platform/engine/NewWindowTarget.h"

class QLabel;
class QPushButton;

// The notice over a page whose windows the pop-up switch blocked: "Vindrel ha bloccato una
// finestra di questo sito" (or "… 3 finestre …"), "Apri comunque", which opens the last one
// blocked as a window let through is opened, and "Chiudi".
class BlockedWindowsBar : public PageBar {
    Q_OBJECT
public:
    BlockedWindowsBar(WebBrowser& page, QWidget* parent);

    QLabel* lblNotice = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdClose = nullptr;

    // One more window blocked: shown, counted.
    void Add(const NewWindowTarget& target);
    // Hidden, and the count starts again.
    void Forget();

private:
    void cmdOpen_Click();
    void cmdClose_Click();

    int count_ = 0;
    NewWindowTarget last_;
};
