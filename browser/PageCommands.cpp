#include "frmBrowser.h"

#include "DownloadWindow.h"
#include "FindBar.h"
#include "PageMenu.h"
#include "ZoomSteps.h"
#include "app/Program.h"
#include "platform/files/DownloadNames.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kZoomNoteMs = 2000;

} // namespace

void frmBrowser::ContextMenu(const PageContext& context) { ShowPageMenu(*brwWebBrowser, context); }
void frmBrowser::WheelZoom(int direction) { ZoomPage(direction); }

void frmBrowser::ShowPageMenu(WebBrowser& page, const PageContext& context)
{
    const bool own = &page == brwWebBrowser.get();
    const QPointer<QWidget> pageAlive(page.widget());
    const QString link = context.linkAddress;
    PopUpPageMenu(page.widget(), context, [this, &page, own, pageAlive, link](PageCommand command) {
        if (!pageAlive)
            return;
        // This window's page moves as its toolbar moves it: timer, caption and page button alike.
        const char* key = command == PageCommand::Back ? "Back"
            : command == PageCommand::Forward          ? "Forward"
            : command == PageCommand::Reload           ? "Refresh"
                                                       : nullptr;
        if (own && key)
            tbToolBar_ButtonClick(QString::fromLatin1(key));
        else if (command == PageCommand::CopyLinkAddress)
            program().system().ClipboardSetText(link); // as the program writes addresses
        else if (command == PageCommand::Print)
            PrintPage(page);
        else if (command == PageCommand::SaveAsPdf)
            SavePageAsPdf(page);
        else
            page.RunPageCommand(command);
    });
}

void frmBrowser::DownloadStarted(std::unique_ptr<Download> download)
{
    new DownloadWindow(program(), std::move(download), this); // it closes, and goes, by itself
}

void frmBrowser::ShowFindBar()
{
    if (!findBar)
        findBar = new FindBar(*brwWebBrowser, this);
    findBar->Open();
    PlaceFindBar();
}

void frmBrowser::PlaceFindBar()
{
    if (!findBar || findBar->isHidden())
        return;
    // Over the page's bottom right corner, above the status bar: the window's own layout stays as
    // it is, and the top of the page, where reading starts, stays in view.
    const QRect page = brwWebBrowser->widget()->geometry();
    const QSize size = findBar->sizeHint().boundedTo(page.size());
    findBar->setGeometry(page.right() + 1 - size.width(), page.bottom() + 1 - size.height(), size.width(), size.height());
}

void frmBrowser::PrintPage(WebBrowser& page)
{
    const QPointer<frmBrowser> alive(this);
    page.Print([alive](bool printed) {
        if (!alive || printed)
            return;
        alive->program().ui().Beep();
        alive->program().ui().MsgBox(QStringLiteral("Stampa della pagina non riuscita !!!"));
    });
}

void frmBrowser::SavePageAsPdf(WebBrowser& page)
{
    UiServices& ui = program().ui();
    const QString proposed = FreeSavePath(program().fs(), program().system().DownloadFolder(),
                                          SafeFileName(page.LocationName()) + QStringLiteral(".pdf"));
    const SaveChoice choice = ui.SaveFileDialog(this, QStringLiteral("Salva come PDF"), proposed,
                                                QStringLiteral("Documento PDF (*.pdf)"));
    if (choice.path.isEmpty())
        return;
    const QPointer<frmBrowser> alive(this);
    page.SaveAsPdf(choice.path, [alive, path = choice.path](bool written) {
        if (!alive || written)
            return;
        alive->program().ui().Beep();
        alive->program().ui().MsgBox(QStringLiteral("Non riesco a scrivere il file ") + path + QStringLiteral(" !!!"));
    });
}

void frmBrowser::ZoomPage(int direction)
{
    const int percent = direction == 0 ? kZoomDefault : NextZoomStep(brwWebBrowser->ZoomPercent(), direction);
    brwWebBrowser->SetZoomPercent(percent);
    ShowZoomNote(percent);
}

void frmBrowser::ShowZoomNote(int percent)
{
    if (!zoomNote_) {
        zoomNote_ = new QTimer(this);
        zoomNote_->setSingleShot(true);
        zoomNote_->setInterval(kZoomNoteMs);
        connect(zoomNote_, &QTimer::timeout, this, [this] {
            // Unless the page wrote something else meanwhile, the panel shows again what it showed.
            if (StatusPanels[0]->text().startsWith(QLatin1String("Zoom ")))
                StatusPanels[0]->setText(beforeZoomNote_);
        });
    }
    if (!zoomNote_->isActive())
        beforeZoomNote_ = StatusPanels[0]->text();
    StatusPanels[0]->setText(QStringLiteral("Zoom %1%").arg(percent));
    zoomNote_->start();
}
