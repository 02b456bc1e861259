#pragma once
#include "AddressBox.h"
#include "TickState.h"
#include "app/BrowserWindow.h"
#include "app/Form.h"
#include "platform/engine/WebBrowser.h"

#include <array>
#include <cstdint>
#include <memory>

class FindBar;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;
class VisitedSitesStore;

// The main window: the browser control under a strip with the toolbar, the address box and the
// side commands, and a two-panel status bar. Its handlers are spread over the browser/ files
// named after what they do (address bar, events, timer, side commands, visited sites).
class frmBrowser : public Form, public BrowserWindow, public WebBrowserEvents {
    Q_OBJECT
public:
    explicit frmBrowser(Program& program);
    ~frmBrowser() override;

    // Controls.
    QToolBar* tbToolBar = nullptr;
    QWidget* picAddress = nullptr;
    QLabel* lblAddress = nullptr;
    AddressBox* cboAddress = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    std::array<QPushButton*, 6> Command8{}; // captions, tool tips, addresses: kPresetSites (PresetSites.h)
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::unique_ptr<WebBrowser> brwWebBrowser;
    QWidget* StatusBar1 = nullptr;
    std::array<QLabel*, 2> StatusPanels{}; // panel 1 is StatusPanels[0]
    QTimer* timTimer = nullptr;
    FindBar* findBar = nullptr; // made at its first use

    // BrowserWindow.
    QString PagePath() const override { return Tag; }
    QString AddressText() const override;
    void SetAddressText(const QString& text) override;
    void SetTimerEnabled(bool enabled) override;
    WebBrowser& Browser() override { return *brwWebBrowser; }
    void SetCommand1Caption(const QString& caption) override;
    void Close() override { Unload(); }

    // The address box's list (AddressBox keeps it and its index).
    void AppendToAddressList(const QString& text) { cboAddress->Append({text}); }
    const QStringList& AddressList() const { return cboAddress->Entries(); }

    VisitedSitesStore& visitedSites() { return *visitedSites_; }

    // Address bar and toolbar.
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(const QString& key);

    // Periodic timer.
    void timTimer_Timer();

    // Status bar.
    void PercentBar(std::int32_t done, std::int32_t total);

    // About box.
    void lblAddress_DblClick();

    // Side commands; Command2 merges and Command5 edits the visited-sites file.
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click(int index);

    // Browser-control events.
    void BeforeNavigate2(const QString& url, bool& cancel) override;
    void NewWindow2(bool& cancel) override;
    void NavigateComplete2() override;
    void DocumentComplete(const QString& url) override;
    void DownloadBegin() override;
    void DownloadComplete() override;
    void ProgressChange(std::int32_t progress, std::int32_t progressMax) override;
    void StatusTextChange(const QString& text) override;
    void TitleChange(const QString& title) override;
    void FileDownload(bool& cancel) override;
    void ClientToHostWindow() override;
    void RenderProcessTerminated() override;
    // A window a page opened asks, follows the pop-up switch and announces downloads as this one.
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) override;

    // What the hosted control gave its user: the page's menu, downloads and zoom by the wheel.
    // A download, from this window's page or one it opened, gets a download window of its own.
    void ContextMenu(const PageContext& context) override;
    void DownloadStarted(std::unique_ptr<Download> download) override;
    void WheelZoom(int direction) override;

    // Accelerators, find, print, zoom (Accelerators.cpp, PageCommands.cpp); each runs for the
    // keys, the page's menu and, where there is one, the button alike.
    void FocusAddressBox();
    void ShowFindBar();
    void PrintPage(WebBrowser& page);
    void SavePageAsPdf(WebBrowser& page);
    // +1 larger, -1 smaller, 0 back to the page's own size.
    void ZoomPage(int direction);
    // The page's menu for this window's page or a page it opened, and the command chosen.
    void ShowPageMenu(WebBrowser& page, const PageContext& context);

    // The answers shared by every window of pages: this one's control and the windows its pages
    // open. Each names the control that raised the event.
    bool NavigationAllowed(const QString& url);
    void AnswerNewWindow(WebBrowser& asking, bool& cancel);
    void AnnounceDownload(WebBrowser& page);
    bool ReloadWanted(WebBrowser& page);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The page's keys it left unhandled and those of the window's controls come here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateStrip();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectHandlers();
    bool RunAccelerator(const QKeyEvent& event);
    void PlaceFindBar();
    void ShowZoomNote(int percent);

    int loadRetries_ = 0;
    TickState tick_;                  // the periodic timer's nested ticks
    QTimer* zoomNote_ = nullptr;      // how long "Zoom n%" stays in the status bar
    QString beforeZoomNote_;          // what it showed before
    std::unique_ptr<VisitedSitesStore> visitedSites_; // made with the address box it keeps
};
