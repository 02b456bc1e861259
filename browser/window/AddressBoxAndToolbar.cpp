#include "frmBrowser.h"

#include "browser/address/AddressRules.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "platform/system/UiServices.h"

void frmBrowser::cboAddress_Click()
{
    SetTimerEnabled(true);
    try {
        brwWebBrowser->Navigate(AddressText());
    } catch (const VbError&) {
        // A failed request ends the action; caption and visited flag stay as they were. Only
        // an empty box passes without a word: nothing was asked for.
        if (!TrimBlanks(AddressText()).isEmpty()) {
            program().ui().Beep();
            program().ui().MsgBox(QStringLiteral("Non riesco ad aprire l'indirizzo ") + TrimBlanks(AddressText())
                                      + QStringLiteral(" !!!"),
                                  MsgButtons::Ok, MsgIcon::Exclamation);
        }
        return;
    }
    // "Nuovo Vindrex" here, "Nuovo Vindrel" after a toolbar button (below): the two ways of
    // reaching a web page have always named the page button differently, and the caption tells
    // which of them set it. Deliberate: keep both spellings.
    SetCommand1Caption(PageButtonCaption(AddressText(), QStringLiteral("Nuovo Vindrex")));
    program().g.SITI_VISITATI = 1;
}

void frmBrowser::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == AddressBox::kEnterKey)
        cboAddress_Click();
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key)
{
    SetTimerEnabled(true);
    WebBrowser& browser = *brwWebBrowser;
    if (key == QLatin1String("Back"))
        IgnoreErrors([&] { browser.GoBack(); });
    else if (key == QLatin1String("Forward"))
        IgnoreErrors([&] { browser.GoForward(); });
    else if (key == QLatin1String("Refresh"))
        IgnoreErrors([&] { browser.Refresh(); });
    else if (key == QLatin1String("Home"))
        IgnoreErrors([&] { browser.GoHome(); });
    else if (key == QLatin1String("Search"))
        IgnoreErrors([&] { browser.GoSearch(); });
    else if (key == QLatin1String("Stop")) {
        SetTimerEnabled(false);
        IgnoreErrors([&] { browser.Stop(); });
        timTimer_Timer();
    }
    SetCommand1Caption(PageButtonCaption(AddressText(), QStringLiteral("Nuovo Vindrel"))); // sic: see cboAddress_Click
}
