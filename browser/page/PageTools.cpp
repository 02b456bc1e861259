#include "PageTools.h"

#include "PageBars.h"
#include "PageMenu.h"
#include "ZoomSteps.h"

#include "app/Program.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/DownloadNames.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QPointer>
#include <QWidget>

PageTools::PageTools(Program& program, QWidget& window, WebBrowser& page,
                     std::function<void(const QString& key)> toolbar, std::function<void(int percent)> zoomNote)
    : program_(program), window_(window), page_(page), toolbar_(std::move(toolbar)), zoomNote_(std::move(zoomNote))
{
}
PageTools::~PageTools() = default;

void PageTools::ShowMenu(WebBrowser& page, const PageContext& context)
{
    const bool own = &page == &page_;
    const QPointer<QWidget> pageAlive(page.widget());
    const QString link = context.linkAddress;
    PopUpPageMenu(page.widget(), context, [this, &page, own, pageAlive, link](PageCommand command) {
        if (!pageAlive)
            return;
        // The window's page moves as its toolbar moves it: timer, caption and page button alike.
        const char* key = command == PageCommand::Back    ? "Back"
                        : command == PageCommand::Forward ? "Forward"
                        : command == PageCommand::Reload  ? "Refresh"
                                                          : nullptr;
        if (own && key)
            toolbar_(QString::fromLatin1(key));
        else if (command == PageCommand::CopyLinkAddress)
            program_.system().ClipboardSetText(link); // as the program writes addresses
        else if (command == PageCommand::Print)
            Print(page);
        else if (command == PageCommand::SaveAsPdf)
            SaveAsPdf(page);
        else
            page.RunPageCommand(command);
    });
}

PageBars& PageTools::Bars()
{
    if (!bars_)
        bars_ = std::make_unique<PageBars>(page_);
    return *bars_;
}

void PageTools::ShowFindBar() { Bars().ShowFindBar(); }
void PageTools::NoteBlockedWindow(const NewWindowTarget& target) { Bars().NoteBlockedWindow(target); }

void PageTools::AskPermission(std::shared_ptr<PermissionQuestion> question)
{
    Bars().AskPermission(std::move(question));
}

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

// The answers come after the window may have gone: they are shown only while it is there.
void PageTools::Print(WebBrowser& page)
{
    const QPointer<QWidget> alive(&window_);
    page.Print([alive, &ui = program_.ui()](bool printed) {
        if (!alive || printed)
            return;
        ui.Beep();
        ui.MsgBox(QStringLiteral("Stampa della pagina non riuscita !!!"));
    });
}

void PageTools::SaveAsPdf(WebBrowser& page)
{
    const QString proposed = FreeSavePath(program_.fs(), program_.system().DownloadFolder(),
                                          SafeFileName(page.LocationName()) + QStringLiteral(".pdf"));
    const SaveChoice choice = program_.ui().SaveFileDialog(&window_, QStringLiteral("Salva come PDF"), proposed,
                                                           QStringLiteral("Documento PDF (*.pdf)"));
    if (choice.path.isEmpty())
        return;
    const QPointer<QWidget> alive(&window_);
    page.SaveAsPdf(choice.path, [alive, &ui = program_.ui(), path = choice.path](bool written) {
        if (!alive || written)
            return;
        ui.Beep();
        ui.MsgBox(QStringLiteral("Non riesco a scrivere il file ") + path + QStringLiteral(" !!!"));
    });
}

void PageTools::Zoom(int direction)
{
    const int percent = NextZoomStep(page_.ZoomPercent(), direction);
    page_.SetZoomPercent(percent);
    zoomNote_(percent);
}
