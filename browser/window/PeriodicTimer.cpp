#include "frmBrowser.h"

#include "browser/address/AddressBox.h"
#include "browser/address/AddressRules.h"
#include "IeSweep.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "platform/system/UiServices.h"

void frmBrowser::timTimer_Timer()
{
    // The tick has no error handling of its own: an error of the control or of the process
    // tools ends it.
    IgnoreErrors([this] {
        if (!brwWebBrowser->Busy()) {
            ShowPageOnDisplay();
            return;
        }
        SetCaption(QStringLiteral("Working..."));
        ieSweep_->Run();
    });
}

void frmBrowser::ShowPageOnDisplay()
{
    Globals& g = program().g;
    SetTimerEnabled(false);
    g.PERCORSO_PAGINA = PathFormOfAddress(brwWebBrowser->LocationURL());
    SetCaption(g.PERCORSO_PAGINA);
    Tag = g.PERCORSO_PAGINA;
    // What the user is typing meanwhile is not taken away: a page that ends loading does not
    // choose the next address.
    if (!cboAddress->Typing())
        SetAddressText(brwWebBrowser->LocationURL());
    program().ui().DoEvents();
}
