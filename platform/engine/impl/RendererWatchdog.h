#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class BrowserPage;

// Asks the renderer of a page for a sign of life after each of the user's actions on the page;
// one that gives none for a while (RendererWatch.h) is ended if `endWanted` says so, once while
// it gives none. The user's action goes on afterwards: the control, told of the end, runs it again.
class RendererWatchdog : public QObject {
    Q_OBJECT
public:
    // A child of the page: it goes with it.
    RendererWatchdog(BrowserPage& page, std::function<bool()> endWanted);

    // The user acted on the page; `again`: the action, to run once more should the renderer be
    // ended for not answering (the latest action's counts).
    void UserActed(std::function<void()> again = {});
    // The renderer ended: whether the user had it ended; `again` gets the action to run again.
    bool TakeUserEnd(std::function<void()>& again);

private:
    void Answered();
    void Check();

    BrowserPage& page_;
    std::function<bool()> endWanted_;
    QTimer timer_;
    QElapsedTimer unanswered_; // valid while a sign of life is awaited
    quint64 probe_ = 0;        // the sign of life awaited: older ones that come late count no more
    bool asked_ = false;
    std::function<void()> again_;
    bool endedByUser_ = false; // the renderer is being ended at the user's word
    std::function<void()> againAfterEnd_;
};
