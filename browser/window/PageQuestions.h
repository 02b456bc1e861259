#pragma once
#include <QString>

#include <functional>

class BrowserWindow;
class Program;
class WebBrowser;

// The questions the browser window asks for its own page and for the windows its pages open,
// each about the control that raised the event: before a navigation, before a new window (or
// the pop-up switch's answer while questions are off; the question takes its turn among the
// page's dialogs), before a download, after a page's renderer ended, and about a page that does
// not answer.
class PageQuestions {
public:
    // pageButton: the page button's work, done when the window's own page may open a window.
    PageQuestions(Program& program, BrowserWindow& window, std::function<bool()> questionsOff,
                  std::function<void()> pageButton)
        : program_(program), window_(window), questionsOff_(std::move(questionsOff)), pageButton_(std::move(pageButton))
    {
    }

    bool NavigationAllowed(const QString& url);
    void AnswerNewWindow(WebBrowser& asking, bool& cancel);
    // Questions off and the pop-up switch ticked: every window a page asks for is blocked.
    bool PopupSwitchBlocks() const;
    void AnnounceDownload(WebBrowser& page);
    // again: the renderer ended again soon after the last answer, which is only reported.
    bool ReloadWanted(WebBrowser& page, bool again);
    // A page that gives no sign of life: whether the user wants it ended.
    bool EndWanted();

private:
    Program& program_;
    BrowserWindow& window_;
    std::function<bool()> questionsOff_;
    std::function<void()> pageButton_;
};
