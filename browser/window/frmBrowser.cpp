#include "frmBrowser.h"

#include "BrowserLayout.h"
#include "IeSweep.h"
#include "PageQuestions.h"
#include "browser/page/PageTools.h"
#include "SideButtons.h"
#include "StatusBar.h"
#include "browser/address/VisitedSitesStore.h"
#include "browser/downloads/Downloads.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "app/Twips.h"
#include "platform/VbError.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

frmBrowser::frmBrowser(Program& program)
    : Form(program), ieSweep_(std::make_unique<IeSweep>(program, *this, [this] { return QuestionsOff(); })),
      questions_(std::make_unique<PageQuestions>(
          program, *this, [this] { return QuestionsOff(); }, [this] { Command1_Click(); })),
      sideButtons_(std::make_unique<SideButtons>(program, *this)),
      downloads_(std::make_unique<Downloads>(program, *this))
{
    CreateControls();
    pageTools_ = std::make_unique<PageTools>(
        program, *this, *brwWebBrowser, [this](const QString& key) { tbToolBar_ButtonClick(key); },
        [this](int percent) { StatusBar1->ShowZoomNote(percent); });
    visitedSites_ = std::make_unique<VisitedSitesStore>(program, *cboAddress);
}
frmBrowser::~frmBrowser()
{
    // The controls outlive this class while the base tears them down: no handler may run then.
    brwWebBrowser->setEvents(nullptr);
    for (QObject* control : findChildren<QObject*>()) {
        control->disconnect(this);
        control->removeEventFilter(this);
    }
}

bool frmBrowser::QuestionsOff() const { return Check1->checkState() == Qt::Checked; }

QString frmBrowser::AddressText() const { return cboAddress->currentText(); }
void frmBrowser::SetAddressText(const QString& text) { cboAddress->ShowAddress(text); }
void frmBrowser::SetTimerEnabled(bool enabled) { enabled ? timTimer->start() : timTimer->stop(); }
void frmBrowser::SetCommand1Caption(const QString& caption) { Command1->setText(caption); }

void frmBrowser::Form_Load()
{
    Globals& g = program().g;
    g.POPUP_PERMESSI = 0;
    TellPagesThePopupSwitch();
    Show();
    Form_Resize();
    for (;;) {
        try {
            if (TrimBlanks(g.INDIRIZZO_INIZIALE).isEmpty())
                g.INDIRIZZO_INIZIALE = QStringLiteral("about:blank");
            SetAddressText(g.INDIRIZZO_INIZIALE);
            AppendToAddressList(AddressText());
            SetTimerEnabled(true);
            brwWebBrowser->Navigate(g.INDIRIZZO_INIZIALE);
            break;
        } catch (const VbError&) {
            // The start page could not be opened: fall back on the second home, then the blank page.
            if (loadRetries_ == 0)
                g.INDIRIZZO_INIZIALE = QStringLiteral("D:\\HOME-PAG\\INIZIO.HTM");
            else if (loadRetries_ == 1)
                g.INDIRIZZO_INIZIALE = QStringLiteral("C:\\WINDOWS\\VUOTA.HTM");
            else
                break;
            ++loadRetries_;
        }
    }
    visitedSites_->MergeInPieces(); // goes on once the first page is there
}

void frmBrowser::Form_Resize()
{
    BrowserLayoutInput in;
    in.clientWidth = ScaleWidth();
    in.clientHeight = ScaleHeight();
    in.minimized = IsMinimized();
    in.toolBarWidth = TwipsGeometry(tbToolBar).width();
    const QRect label = TwipsGeometry(lblAddress);
    const QRect box = TwipsGeometry(cboAddress);
    const QRect strip = TwipsGeometry(picAddress);
    const QRect browser = TwipsGeometry(brwWebBrowser->widget());
    in.labelWidth = label.width();
    in.boxLeft = box.left();
    in.boxWidth = box.width();
    in.stripTop = strip.top();
    in.stripHeight = strip.height();
    in.browserWidth = browser.width();
    in.browserHeight = browser.height();
    const BrowserLayout out = ComputeBrowserLayout(in);

    SetTwipsGeometry(lblAddress, out.labelLeft, label.top(), label.width(), label.height());
    SetTwipsGeometry(cboAddress, box.left(), box.top(), out.boxWidth, box.height());
    // The strip and the status bar follow the window's width, as aligned bars do.
    SetTwipsGeometry(picAddress, strip.left(), strip.top(), in.clientWidth, strip.height());
    const int statusHeight = TwipsGeometry(StatusBar1).height();
    SetTwipsGeometry(StatusBar1, 0, in.clientHeight - statusHeight, in.clientWidth, statusHeight);
    SetTwipsGeometry(brwWebBrowser->widget(), browser.left(), browser.top(), out.browserWidth, out.browserHeight);
}

void frmBrowser::Form_Unload()
{
    UiServices& ui = program().ui();
    if (AddressList().size() != 1 && program().g.SITI_VISITATI != 0) {
        const int answer = ui.MsgBox(QStringLiteral("Desideri registrare i Link dei Siti Internet visualizzati (S/N)"),
                                     MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Chiusura Vindrel"));
        if (answer == MsgAnswer::Yes)
            visitedSites_->Rewrite();
    }
    program().UnloadAllExcept(this);
    ui.EndProgram(false);
}

void frmBrowser::closeEvent(QCloseEvent* event)
{
    // Before the closing step, which never stops the close: downloads coming in would end.
    if (!downloads_->MayEnd()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblAddress && event->type() == QEvent::MouseButtonDblClick) {
        lblAddress_DblClick();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frmBrowser::lblAddress_DblClick()
{
    UiServices& ui = program().ui();
    ui.Beep();
    ui.MsgBox(QStringLiteral("VINDREL - Visualizzatore files .HTML per INTERNET\r\rUA 16/01/03"));
}

void frmBrowser::keyPressEvent(QKeyEvent* event)
{
    if (RunKeyCommand(*event))
        event->accept();
    else
        Form::keyPressEvent(event);
}

void frmBrowser::PercentBar(std::int32_t done, std::int32_t total) { StatusBar1->PercentBar(done, total); }

void frmBrowser::Check2_Click()
{
    sideButtons_->SetPopupSwitch(Check2->checkState());
    TellPagesThePopupSwitch();
}

// A page learns at once whether the window it asks for is blocked.
void frmBrowser::TellPagesThePopupSwitch()
{
    if (brwWebBrowser)
        brwWebBrowser->SetWindowsBlocked(questions_->PopupSwitchBlocks());
}

void frmBrowser::Command1_Click() { sideButtons_->EditPageOrStartCopy(); }
void frmBrowser::Command2_Click() { visitedSites_->Merge(); }
void frmBrowser::Command3_Click() { sideButtons_->ShowFavourites(); }
void frmBrowser::Command4_Click() { sideButtons_->ShowIeWindows(); }
void frmBrowser::Command5_Click() { visitedSites_->Edit(); }
void frmBrowser::Command6_Click() { sideButtons_->ShowNetworkId(); }
void frmBrowser::Command7_Click() { sideButtons_->CopyAddress(); }
void frmBrowser::Command8_Click(int index)
{
    // The preset site opens through the address box, as if typed there.
    sideButtons_->ChoosePresetSite(index);
    cboAddress_Click();
    Command7->setFocus();
}
