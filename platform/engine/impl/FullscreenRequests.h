#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>

class QWebEngineFullScreenRequest;
class QWebEnginePage;
class QWebEngineView;
class QWidget;

// A page's requests to fill the screen. Its view moves into a window of its own that fills the
// screen, where a note says for three seconds how to leave; Esc or F11 there, the page's own exit
// or the end of its renderer put the view back where it was, in its window left as it was.
class FullscreenRequests : public QObject {
public:
    explicit FullscreenRequests(QWebEnginePage& page);
    ~FullscreenRequests() override;

private:
    void OnRequested(QWebEngineFullScreenRequest request);
    bool Enter();
    void Leave();

    QWebEnginePage& page_;
    QPointer<QWidget> screen_; // the window filling the screen, while the page fills it
    QPointer<QWebEngineView> view_;
    QPointer<QWidget> home_; // where the view sat
    QRect place_;
    int layoutIndex_ = -1; // its place in its home's layout, if it had one
};
