#include "PageTools.h"

#include "DownloadWindow.h"
#include "PageBars.h"
#include "PageMenu.h"
#include "StatusBar.h"
#include "ZoomSteps.h"
#include "frmBrowser.h"

#include "app/Program.h"
#include "platform/files/DownloadNames.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QPointer>

#include <algorithm>

PageTools::PageTools(frmBrowser& window) : window_(window) {}
PageTools::~PageTools() = default;

void PageTools::ShowMenu(WebBrowser& page, const PageContext& context)
{
    const bool own = &page == &window_.Browser();
    const QPointer<QWidget> pageAlive(page.widget());
    const QString link = context.linkAddress;
    PopUpPageMenu(page.widget(), context, [this, &page, own, pageAlive, link](PageCommand command) {
        if (!pageAlive)
            return;
        // The window's page moves as its toolbar moves it: timer, caption and page button alike.
        const char* key = command == PageCommand::Back ? "Back"
            : command == PageCommand::Forward          ? "Forward"
            : command == PageCommand::Reload           ? "Refresh"
                                                       : nullptr;
        if (own && key)
            window_.tbToolBar_ButtonClick(QString::fromLatin1(key));
        else if (command == PageCommand::CopyLinkAddress)
            window_.program().system().ClipboardSetText(link); // as the program writes addresses
        else if (command == PageCommand::Print)
            Print(page);
        else if (command == PageCommand::SaveAsPdf)
            SaveAsPdf(page);
        else
            page.RunPageCommand(command);
    });
}

void PageTools::ShowDownload(std::unique_ptr<Download> download)
{
    new DownloadWindow(window_.program(), std::move(download), &window_); // it closes, and goes, by itself
}

bool PageTools::MayEndDownloads()
{
    const auto windows = window_.findChildren<DownloadWindow*>(Qt::FindDirectChildrenOnly);
    if (std::none_of(windows.begin(), windows.end(), [](const DownloadWindow* w) { return w->Receiving(); }))
        return true;
    return window_.program().ui().MsgBox(QStringLiteral("Ci sono download in corso. Chiudere comunque?"),
                                         MsgButtons::YesNoDefaultNo, MsgIcon::Exclamation,
                                         QStringLiteral("Chiusura Vindrel"))
        == MsgAnswer::Yes;
}

PageBars& PageTools::Bars()
{
    if (!bars_)
        bars_ = std::make_unique<PageBars>(window_.Browser());
    return *bars_;
}

void PageTools::ShowFindBar() { Bars().ShowFindBar(); }
void PageTools::NoteBlockedWindow(const NewWindowTarget& target) { Bars().NoteBlockedWindow(target); }

void PageTools::AskPermission(std::shared_ptr<PermissionQuestion> question) { Bars().AskPermission(std::move(question)); }

void PageTools::DropEndedPermissionQuestions()
{
    if (bars_)
        bars_->DropEndedPermissionQuestions();
}

void PageTools::ForgetBlockedWindows()
{
    if (bars_)
        bars_->ForgetBlockedWindows();
}

void PageTools::Print(WebBrowser& page)
{
    const QPointer<frmBrowser> alive(&window_);
    page.Print([alive](bool printed) {
        if (!alive || printed)
            return;
        alive->program().ui().Beep();
        alive->program().ui().MsgBox(QStringLiteral("Stampa della pagina non riuscita !!!"));
    });
}

void PageTools::SaveAsPdf(WebBrowser& page)
{
    Program& program = window_.program();
    const QString proposed = FreeSavePath(program.fs(), program.system().DownloadFolder(),
                                          SafeFileName(page.LocationName()) + QStringLiteral(".pdf"));
    const SaveChoice choice = program.ui().SaveFileDialog(&window_, QStringLiteral("Salva come PDF"), proposed,
                                                          QStringLiteral("Documento PDF (*.pdf)"));
    if (choice.path.isEmpty())
        return;
    const QPointer<frmBrowser> alive(&window_);
    page.SaveAsPdf(choice.path, [alive, path = choice.path](bool written) {
        if (!alive || written)
            return;
        alive->program().ui().Beep();
        alive->program().ui().MsgBox(QStringLiteral("Non riesco a scrivere il file ") + path + QStringLiteral(" !!!"));
    });
}

void PageTools::Zoom(int direction)
{
    WebBrowser& page = window_.Browser();
    const int percent = NextZoomStep(page.ZoomPercent(), direction);
    page.SetZoomPercent(percent);
    window_.StatusBar1->ShowZoomNote(percent);
}
