#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

// Saves a picture of a window once its start-up page has loaded, then ends the run: used for
// the documentation's screenshots and the end-to-end tests (VINDREL_SCREENSHOT=FILE.png).
class ScreenshotMode : public QObject {
    Q_OBJECT
public:
    using BusyProbe = std::function<bool()>;
    using Finish = std::function<void(int exitCode)>; // 0: saved, 1: the file could not be written

    ScreenshotMode(QWidget& window, BusyProbe busy, QString file, Finish finish);
    void Start();

    static constexpr int kPollMs = 10;
    // Without any load seen, the browser counts as settled after this long idle.
    static constexpr int kIdleWithoutLoadMs = 300;
    // The engine paints its first frame a little after it reports the load finished.
    static constexpr int kSettleMs = 150;
    // A page that never stops loading is pictured as it is.
    static constexpr int kTimeoutMs = 20000;

private:
    // The window's caption changes as a load ends: looked at then, not only at the next poll.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Poll();
    void Save();

    QWidget& window_;
    BusyProbe busy_;
    QString file_;
    Finish finish_;
    QTimer poll_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceBusy_;
    bool sawLoad_ = false;
};
