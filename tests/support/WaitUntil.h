#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

// Long enough for a page load on a loaded two-core machine.
inline constexpr int kLoadTimeoutMs = 30000;

// Lets events run until done() holds (true) or the time is up (false).
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kLoadTimeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Lets events run for a while, e.g. to see that nothing more comes.
inline void Settle(int ms) { WaitUntil([] { return false; }, ms); }
