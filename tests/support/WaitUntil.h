#pragma once
#include <QEventLoop>
#include <QTimer>

// How long any test waits for what it expects (a page load, a file a started program writes, a
// second copy of the program ending) before it counts as never coming, on a loaded two-core
// machine. Only a failing test ever waits this long.
inline constexpr int kWaitTimeoutMs = 60000;

// Lets events run until done() holds (true) or the time is up (false). The events run in an
// event loop of their own, as fast as they come; the condition is looked at between them.
template <class Condition> bool WaitUntil(Condition done)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(10);
    QTimer::singleShot(kWaitTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
