#pragma once
#include "platform/engine/PermissionQuestion.h"

#include <QObject>
#include <QWebEnginePage>

#include <functional>
#include <memory>
#include <vector>

// A page's requests for permissions (location, notifications, camera, microphone, screen,
// pointer). Each is answered: by the person's answer, by one the person gave that site for that
// permission before (it holds while the program runs, for every page of the profile), or "no"
// when the question is dropped unanswered or the page is left. Nothing is allowed but by an
// answer the person gave.
class PermissionRequests : public QObject {
    Q_OBJECT
public:
    explicit PermissionRequests(QWebEnginePage& page);
    ~PermissionRequests() override;

    // The page shows another document than shown: what the pages before it still wait for is
    // answered "no".
    void PageLeft(const QUrl& shown);

signals:
    // A question for the person; see PermissionQuestion.
    void asked(std::shared_ptr<PermissionQuestion> question);
    // Questions ended without the person (the page withdrew them, or was left).
    void ended();

private:
    class Question;
    void OnRequested(const QUrl& origin, QWebEnginePage::Feature feature);
    void OnCanceled(const QUrl& origin, QWebEnginePage::Feature feature);

    QWebEnginePage& page_;
    std::vector<std::weak_ptr<Question>> waiting_;
};
