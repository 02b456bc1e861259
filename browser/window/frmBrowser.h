#pragma once
#include "browser/address/AddressBox.h"
#include "app/BrowserWindow.h"
#include "app/Form.h"
#include "platform/engine/WebBrowser.h"

#include <array>
#include <cstdint>
#include <memory>

class Downloads;
class IeSweep;
class PageQuestions;
class PageTools;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;
class SideButtons;
class StatusBar;
class VisitedSitesStore;

// The main window: the browser control under a strip with the toolbar, the address box and the
// side commands, and a two-panel status bar. Its handlers keep their names here; where a part of
// the window owns what a handler works on, the handler hands the work to it: the visited-sites
// file (VisitedSitesStore), the timer's sweep of IE processes (IeSweep), the status bar
// (StatusBar), the questions asked for any page (PageQuestions), the side commands (SideButtons),
// the downloads (Downloads) and what the hosted control gave besides (PageTools: find, print,
// zoom, menu). The parts see only what they use, never this class.
class frmBrowser : public Form, public BrowserWindow, public WebBrowserEvents {
    Q_OBJECT
public:
    explicit frmBrowser(Program& program);
    ~frmBrowser() override;

    // Controls, under the names the window has always given them (built in BrowserControls.cpp).
    QToolBar* tbToolBar = nullptr;    // Back, Forward, Stop, Refresh, Home, Search
    QWidget* picAddress = nullptr;    // the strip over the page holding every control below but the page
    QLabel* lblAddress = nullptr;     // "&Address:"; a double click shows the about box
    AddressBox* cboAddress = nullptr; // the address box and the list of sites visited
    QPushButton* Command1 = nullptr;  // the page button: " Modifica    pagina" edits a local page,
                                      // "Nuovo Vindrex"/"Nuovo Vindrel" opens the address in a second copy
    QPushButton* Command2 = nullptr;  // "Vedo Storia", hidden: merges the visited-sites file into the list
    QPushButton* Command3 = nullptr;  // "Vedo Link Preferiti": the favourites window
    QPushButton* Command4 = nullptr;  // "Vedo finestre IE aperte": the window of running IE processes
    QPushButton* Command5 = nullptr;  // "Varia storia": the visited-sites file in a text editor
    QPushButton* Command6 = nullptr;  // "ID": the local IP address and host name, the address copied
    QPushButton* Command7 = nullptr;  // "Copia Address": the page's address shown and copied
    // The preset-site buttons; captions, tool tips, addresses: kPresetSites (PresetSites.h).
    std::array<QPushButton*, 6> Command8{};
    QCheckBox* Check1 = nullptr;               // "Elimina domande": ticked, no question is asked (QuestionsOff)
    QCheckBox* Check2 = nullptr;               // "Elimina Win PopUp": the pop-up switch, read while questions are off
    std::unique_ptr<WebBrowser> brwWebBrowser; // the page
    StatusBar* StatusBar1 = nullptr;           // status text and download counts; the progress bar
    QTimer* timTimer = nullptr;                // the periodic timer: the page on display, or the IE sweep while busy

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
    // Either box of the pop-up switch changed: pages are told whether their windows are blocked.
    void TellPagesThePopupSwitch();
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
    void NewWindow2(const NewWindowTarget& target, bool& cancel) override;
    void NavigateComplete2() override;
    void DocumentComplete(const QString& url) override;
    void DownloadBegin() override;
    void DownloadComplete() override;
    void ProgressChange(std::int32_t progress, std::int32_t progressMax) override;
    void StatusTextChange(const QString& text) override;
    void TitleChange(const QString& title) override;
    void FileDownload(bool& cancel) override;
    void RenderProcessTerminated(bool again) override;
    bool EndPageNotAnswering() override;
    // A window a page opened asks, follows the pop-up switch and announces downloads as this one.
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) override;
    void ContextMenu(const PageContext& context) override;
    void DownloadStarted(std::unique_ptr<Download> download) override;
    void WheelZoom(int direction) override;
    void PermissionAsked(std::shared_ptr<PermissionQuestion> question) override;
    void PermissionQuestionsEnded() override;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    // The close box: with downloads coming in, the user may keep the window.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The page's keys it left unhandled and those of the window's controls come here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // "Elimina domande" ticked: no question is asked. Decided here for every part that asks.
    bool QuestionsOff() const;
    void CreateControls();
    void CreateStrip();
    void CreateSideButtons();
    void CreateToolBar();
    void ConnectHandlers();
    // The keys the page and the controls left unused; false for a key without a command.
    bool RunKeyCommand(const QKeyEvent& event);
    // The idle tick: the page on display in the caption, the Tag and the address box.
    void ShowPageOnDisplay();

    int loadRetries_ = 0;
    std::unique_ptr<IeSweep> ieSweep_;
    std::unique_ptr<PageQuestions> questions_;
    std::unique_ptr<SideButtons> sideButtons_;
    std::unique_ptr<Downloads> downloads_;
    std::unique_ptr<PageTools> pageTools_;            // made with the page it works on
    std::unique_ptr<VisitedSitesStore> visitedSites_; // made with the address box it keeps
};
