#include "RendererWatchdog.h"

#include "BrowserPage.h"
#include "platform/engine/RendererWatch.h"

#include <QPointer>
#include <QWebEngineScript>

#include <algorithm>
#include <csignal>
#include <utility>

RendererWatchdog::RendererWatchdog(BrowserPage& page, std::function<bool()> endWanted)
    : QObject(&page), page_(page), endWanted_(std::move(endWanted))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RendererWatchdog::Check);
    // Another renderer, or a page loaded to its end, is a renderer that answers.
    connect(&page_, &QWebEnginePage::renderProcessPidChanged, this, &RendererWatchdog::Answered);
    connect(&page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok)
            Answered();
    });
}

void RendererWatchdog::UserActed(std::function<void()> again)
{
    if (page_.renderProcessPid() <= 0)
        return; // none yet: the next one starts with the action
    again_ = std::move(again);
    if (unanswered_.isValid())
        return; // asked already
    unanswered_.start();
    const quint64 probe = ++probe_;
    // In the program's own world: out of the page's reach, and no trace in it.
    page_.runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                        [self = QPointer(this), probe](const QVariant&) {
                            if (self && self->probe_ == probe)
                                self->Answered();
                        });
    timer_.start(int(kNotAnsweringAfterMs));
}

void RendererWatchdog::Answered()
{
    unanswered_.invalidate();
    timer_.stop();
    asked_ = false;
    again_ = {};
}

void RendererWatchdog::Check()
{
    if (!unanswered_.isValid())
        return;
    const RendererWatch watch{unanswered_.elapsed(), page_.DialogShowing(), asked_};
    if (!AskToEndRenderer(watch)) {
        // Not due yet, or the page's own dialog holds it: looked at again. Once asked, it waits.
        if (!asked_)
            timer_.start(int(std::max<qint64>(kNotAnsweringAfterMs - watch.unansweredMs, 250)));
        return;
    }
    asked_ = true;
    const QPointer<RendererWatchdog> alive(this);
    const bool end = endWanted_();
    // The question may outlive the page, and the renderer may have answered meanwhile.
    if (!alive || !end || !unanswered_.isValid())
        return;
    const qint64 pid = page_.renderProcessPid();
    if (pid <= 0)
        return;
    endedByUser_ = true;
    againAfterEnd_ = std::exchange(again_, {});
    ::kill(pid_t(pid), SIGKILL);
}

bool RendererWatchdog::TakeUserEnd(std::function<void()>& again)
{
    Answered();
    if (!std::exchange(endedByUser_, false))
        return false;
    again = std::exchange(againAfterEnd_, {});
    return true;
}
