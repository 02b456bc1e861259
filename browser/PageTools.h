#pragma once
#include <memory>

class Download;
class PageBars;
class PermissionQuestion;
class frmBrowser;
class WebBrowser;
struct NewWindowTarget;
struct PageContext;

// What the hosted control gave its user besides the window's own controls, for the window's page
// and the pages it opened: find, print, "Salva come PDF", zoom, the page's menu and downloads;
// and what a browser offers beside them: the notice of blocked windows, the question before
// ending downloads. Each runs for the keys, the page's menu and, where there is one, the button
// alike.
class PageTools {
public:
    explicit PageTools(frmBrowser& window);
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
    // A download, from the window's page or one it opened, gets a download window of its own.
    void ShowDownload(std::unique_ptr<Download> download);
    // Closing the window ends the downloads still coming in: true when there are none, or when
    // the user agrees to end them.
    bool MayEndDownloads();

private:
    PageBars& Bars();

    frmBrowser& window_;
    std::unique_ptr<PageBars> bars_; // made with the page's first bar
};
