#pragma once
#include <QString>

#include <functional>
#include <memory>

class PageBars;
class PermissionQuestion;
class Program;
class QWidget;
class WebBrowser;
struct NewWindowTarget;
struct PageContext;

// What the hosted control gave its user besides the window's own controls, for the window's page
// and the pages it opened: find, print, "Salva come PDF", zoom and the page's menu; and what a
// browser offers beside them: the notice of blocked windows. Each runs for the keys, the page's
// menu and, where there is one, the button alike.
class PageTools {
public:
    // window: the window over whose page the bars lie and whose dialogs these are; toolbar: its
    // toolbar button of that key, which moves its page as the menu asks; zoomNote: shows the
    // page's new zoom.
    PageTools(Program& program, QWidget& window, WebBrowser& page, std::function<void(const QString& key)> toolbar,
              std::function<void(int percent)> zoomNote);
    ~PageTools();

    // The find bar over the page's bottom right corner.
    void ShowFindBar();
    // The notice over the window's page of the windows the pop-up switch blocked; it goes with
    // the page's next load.
    void NoteBlockedWindow(const NewWindowTarget& target);
    void ForgetBlockedWindows();
    // The question of what the window's page asks to use, over its top edge.
    void AskPermission(std::shared_ptr<PermissionQuestion> question);
    void DropEndedPermissionQuestions();
    void Print(WebBrowser& page);
    void SaveAsPdf(WebBrowser& page);
    // The window's page: +1 larger, -1 smaller, 0 back to the page's own size.
    void Zoom(int direction);
    // The page's menu, and the command chosen.
    void ShowMenu(WebBrowser& page, const PageContext& context);

private:
    PageBars& Bars();

    Program& program_;
    QWidget& window_;
    WebBrowser& page_;
    std::function<void(const QString&)> toolbar_;
    std::function<void(int)> zoomNote_;
    std::unique_ptr<PageBars> bars_; // made with the page's first bar
};
