#include "SideButtons.h"

#include "PresetSites.h"
#include "browser/address/AddressRules.h"
#include "app/BrowserWindow.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "favourites/frmFav.h"
#include "ietools/Test_URL.h"
#include "pageedit/Form2.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/FileSystem.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString ExecutableName() { return QFileInfo(QCoreApplication::applicationFilePath()).baseName(); }

void StartSecondCopy(Program& program, const QString& address)
{
    const QString name = ExecutableName();
    try {
        program.system().StartProgram(program.fs().ProgramFolder() + QStringLiteral("\\") + name + QStringLiteral(" ")
                                      + address);
    } catch (const VbError& error) {
        program.ui().Beep();
        program.ui().MsgBox(QStringLiteral("Non trovo il programmma ") + name + QStringLiteral(" !!! ")
                            + QStringLiteral("\r\r") + QString::number(error.number()) + QStringLiteral(" - ")
                            + error.description());
    }
}

void PutOnClipboard(SystemServices& system, const QString& text)
{
    system.ClipboardClear();
    system.ClipboardSetText(text);
}

} // namespace

void SideButtons::SetPopupSwitch(Qt::CheckState state)
{
    // Greyed counts as unticked: pop-ups are let through.
    program_.g.POPUP_PERMESSI = state == Qt::Checked ? 0 : -1;
}

void SideButtons::EditPageOrStartCopy()
{
    IgnoreErrors([this] { window_.SetAddressText(window_.Browser().LocationURL()); });
    const QString address = window_.AddressText();
    if (TrimBlanks(address) == QLatin1String("about:blank"))
        return;
    if (IsLocalAddress(address)) {
        window_.SetCommand1Caption(kEditPageCaption);
        program_.form<Form2>().Show();
        return;
    }
    window_.SetCommand1Caption(QStringLiteral("Nuovo Vindrex"));
    StartSecondCopy(program_, address);
}

void SideButtons::ShowFavourites()
{
    program_.ui().SetHourglass(true);
    program_.form<frmFav>().Show();
}

void SideButtons::ShowIeWindows() { program_.form<Test_URL>().Show(); }

void SideButtons::ShowNetworkId()
{
    SystemServices& system = program_.system();
    program_.ui().MsgBox(QStringLiteral("Il tuo indirizzo IP e':   ") + system.LocalIP() + QStringLiteral("\r\n\r\n")
                             + QStringLiteral("Login: ") + system.LocalHostName().toUpper(),
                         MsgButtons::Ok, MsgIcon::Information, QStringLiteral("IP Check"));
    PutOnClipboard(system, system.LocalIP());
}

void SideButtons::CopyAddress()
{
    const QString url = ReadIgnoringErrors([this] { return window_.Browser().LocationURL(); });
    const QString title = QStringLiteral("Location Url");
    if (url.isEmpty()) {
        program_.ui().MsgBox(QStringLiteral("Non c'e' nessun indirizzo valido !!!"), MsgButtons::Ok,
                             MsgIcon::Information, title);
        return;
    }
    program_.ui().MsgBox(QStringLiteral("Indirizzo attuale: ") + url, MsgButtons::Ok, MsgIcon::Information, title);
    PutOnClipboard(program_.system(), url);
}

void SideButtons::ChoosePresetSite(int index)
{
    Globals& g = program_.g;
    if (index >= 0 && index < static_cast<int>(kPresetSites.size()))
        g.INDIRIZZO_INIZIALE = kPresetSites[static_cast<std::size_t>(index)].address;
    window_.SetAddressText(g.INDIRIZZO_INIZIALE);
}
