#pragma once
#include "PageBar.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find bar: a small box over the bottom right corner of the page, so that it takes no room
// from the window's controls. Enter finds the next match, Shift+Enter the one before, Esc
// closes it and gives the page back the focus with the match found selected.
class FindBar : public PageBar {
    Q_OBJECT
public:
    FindBar(WebBrowser& page, QWidget* parent);

    QLabel* lblFind = nullptr;
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QCheckBox* chkMatchCase = nullptr;
    QLabel* lblResult = nullptr;

    // Shown with its text selected and the focus in it.
    void Open();
    void Close();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Find(bool backward);
};
