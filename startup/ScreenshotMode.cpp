#include "ScreenshotMode.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>

ScreenshotMode::ScreenshotMode(QWidget& window, BusyProbe busy, QString file, Finish finish)
    : window_(window), busy_(std::move(busy)), file_(std::move(file)), finish_(std::move(finish))
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ScreenshotMode::Poll);
}

void ScreenshotMode::Start()
{
    sinceStart_.start();
    sinceBusy_.start();
    poll_.start();
    window_.installEventFilter(this);
}

bool ScreenshotMode::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange && poll_.isActive())
        Poll();
    return QObject::eventFilter(watched, event);
}

void ScreenshotMode::Poll()
{
    if (sinceStart_.elapsed() >= kTimeoutMs)
        return Save();
    if (busy_()) {
        sawLoad_ = true;
        sinceBusy_.start();
        return;
    }
    // After a load, idle is final; before any, give the start-up navigation a moment to begin.
    if (sawLoad_) {
        poll_.stop();
        QTimer::singleShot(kSettleMs, this, &ScreenshotMode::Save);
    } else if (sinceBusy_.elapsed() >= kIdleWithoutLoadMs) {
        Save();
    }
}

void ScreenshotMode::Save()
{
    poll_.stop();
    const bool saved = window_.grab().save(file_, "PNG");
    finish_(saved ? 0 : 1);
}
