#pragma once
#include <QSet>
#include <QString>

#include <functional>

class BrowserWindow;
class Program;

// What the periodic timer does while the page loads: it ends every running Internet Explorer
// process, after asking unless questions are off. Ticks nest (a tick lets
// pending events run, and the page events run a tick directly), so the sweep keeps what the ticks
// running now share: an inner tick must not end a process an outer one already ended, nor pile a
// second question on the one the user is reading.
class IeSweep {
public:
    IeSweep(Program& program, BrowserWindow& window, std::function<bool()> questionsOff)
        : program_(program), window_(window), questionsOff_(std::move(questionsOff))
    {
    }

    // One tick of a busy control.
    void Run();

private:
    bool UserConfirmsEnding();
    void EndListedProcesses();

    Program& program_;
    BrowserWindow& window_; // its timer rests while processes end
    std::function<bool()> questionsOff_;
    QSet<QString> endedThisPass_;
    int endingDepth_ = 0;
    bool asking_ = false;
};
