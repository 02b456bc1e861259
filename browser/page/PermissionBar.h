#pragma once
#include "PageBar.h"

#include "platform/engine/PermissionQuestion.h"

#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

// The question over a page that asks to use something: "127.0.0.1 chiede di conoscere la tua
// posizione", "Consenti", "Blocca" and a close button, which blocks too. Questions come one at
// a time, in the order the page asked them.
class PermissionBar : public PageBar {
    Q_OBJECT
public:
    PermissionBar(WebBrowser& page, QWidget* parent);

    QLabel* lblQuestion = nullptr;
    QPushButton* cmdAllow = nullptr;
    QPushButton* cmdBlock = nullptr;
    QToolButton* cmdClose = nullptr;

    void Add(std::shared_ptr<PermissionQuestion> question);
    // Questions that ended without the person go; the bar hides when none waits.
    void DropEnded();

private:
    void Answer(bool allow);
    void ShowFirst();

    std::vector<std::shared_ptr<PermissionQuestion>> questions_;
};

// The question a site's request puts to the person.
QString PermissionQuestionText(const QString& site, PagePermission permission);
