#include "PageQuestions.h"

#include "app/BrowserWindow.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "platform/engine/WebBrowser.h"
#include "platform/system/UiServices.h"

namespace {

bool AnsweredOk(UiServices& ui, const QString& text, const QString& title)
{
    return ui.MsgBox(text, MsgButtons::OkCancel, MsgIcon::None, title) != MsgAnswer::Cancel;
}

} // namespace

bool PageQuestions::PopupSwitchBlocks() const { return questionsOff_() && program_.g.POPUP_PERMESSI == 0; }

bool PageQuestions::NavigationAllowed(const QString& url)
{
    return questionsOff_()
        || AnsweredOk(program_.ui(), QStringLiteral("Cerca di aprire nuovo sito: ") + url,
                      QStringLiteral("Apre nella stessa finestra"));
}

void PageQuestions::AnswerNewWindow(WebBrowser& asking, bool& cancel)
{
    if (questionsOff_()) {
        if (program_.g.POPUP_PERMESSI == -1) {
            cancel = false;
            program_.ui().DoEvents();
        } else if (program_.g.POPUP_PERMESSI == 0) {
            cancel = true;
        }
        return;
    }
    // A page asking for window after window: one question at a time, and the offer to stop them.
    PageDialogTurn turn = asking.TakePageDialogTurn();
    if (turn.turn() == DialogTurn::Refuse) {
        cancel = true;
        return;
    }
    // The address asked about is the page that wants the window, not the window's target.
    const QString url = ReadIgnoringErrors([&asking] { return asking.LocationURL(); });
    const QString title = QStringLiteral("Apre in una nuova finestra");
    bool stop = false;
    const QString offer = turn.turn() == DialogTurn::ShowOfferingStop ? kStopPageDialogs : QString();
    const bool ok = program_.ui().MsgBoxWithCheck(QStringLiteral("Cerca di aprire nuovo sito: ") + url,
                                                  MsgButtons::OkCancel, MsgIcon::None, title, offer, stop)
                 != MsgAnswer::Cancel;
    if (stop)
        turn.StopTheRest();
    if (ok || (!stop && AnsweredOk(program_.ui(), QStringLiteral("Apro su stessa pagina il sito: ") + url, title))) {
        // The page button works on the window's page: a pop-up's request leaves it alone.
        if (&asking == &window_.Browser())
            pageButton_();
        return;
    }
    cancel = true;
}

void PageQuestions::AnnounceDownload(WebBrowser& page)
{
    if (questionsOff_())
        return;
    const QString name = ReadIgnoringErrors([&page] { return page.LocationName(); });
    if (TrimBlanks(name).isEmpty())
        return;
    program_.ui().MsgBox(QStringLiteral("FileDownload: ") + name + QStringLiteral(" ")
                         + ReadIgnoringErrors([&page] { return page.LocationURL(); }));
}

bool PageQuestions::EndWanted()
{
    return program_.ui().MsgBox(QStringLiteral("La pagina non risponde. Vuoi chiuderla ?"), MsgButtons::YesNo,
                                MsgIcon::Exclamation)
        == MsgAnswer::Yes;
}

bool PageQuestions::ReloadWanted(WebBrowser& page, bool again)
{
    const QString url = ReadIgnoringErrors([&page] { return page.LocationURL(); });
    const QString ended = QStringLiteral("La visualizzazione della pagina ") + url
                        + QStringLiteral(" si e' interrotta");
    const QString title = QStringLiteral("Errore di visualizzazione");
    UiServices& ui = program_.ui();
    if (again) {
        ui.MsgBox(ended + QStringLiteral(" di nuovo !!!\r\rLa pagina non viene ricaricata."), MsgButtons::Ok,
                  MsgIcon::Exclamation, title);
        return false;
    }
    return ui.MsgBox(ended + QStringLiteral(" !!!\r\rRicarico la pagina ?"), MsgButtons::YesNo, MsgIcon::Exclamation,
                     title)
        == MsgAnswer::Yes;
}
