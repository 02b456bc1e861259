#pragma once
#include <memory>

class Download;
class Program;
class QWidget;

// The downloads of a window and of the pages it opened: each gets a download window of its own,
// owned by the window, and the window may not close over those still coming in unless the user
// agrees to end them.
class Downloads {
public:
    Downloads(Program& program, QWidget& owner) : program_(program), owner_(owner) {}

    void Show(std::unique_ptr<Download> download);
    // True when none is coming in, or when the user agrees to end them.
    bool MayEnd();

private:
    Program& program_;
    QWidget& owner_;
};
