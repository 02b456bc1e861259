#include "frmBrowser.h"

#include "AddressRules.h"
#include "PresetSites.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "favourites/frmFav.h"
#include "ietools/Test_URL.h"
#include "pageedit/Form2.h"
#include "platform/files/FileSystem.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

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

void frmBrowser::Check2_Click()
{
    // Greyed counts as unticked: pop-ups are let through.
    program().g.POPUP_PERMESSI = Check2->checkState() == Qt::Checked ? 0 : -1;
}

void frmBrowser::Command1_Click()
{
    IgnoreErrors([this] { SetAddressText(brwWebBrowser->LocationURL()); });
    const QString address = AddressText();
    if (TrimBlanks(address) == QLatin1String("about:blank"))
        return;
    if (IsLocalAddress(address)) {
        SetCommand1Caption(kEditPageCaption);
        program().form<Form2>().Show();
        return;
    }
    SetCommand1Caption(QStringLiteral("Nuovo Vindrex"));
    StartSecondCopy(program(), address);
}

void frmBrowser::Command3_Click()
{
    program().ui().SetHourglass(true);
    program().form<frmFav>().Show();
}

void frmBrowser::Command4_Click() { program().form<Test_URL>().Show(); }

void frmBrowser::Command6_Click()
{
    SystemServices& system = program().system();
    program().ui().MsgBox(QStringLiteral("Il tuo indirizzo IP e':   ") + system.LocalIP() + QStringLiteral("\r\n\r\n")
                              + QStringLiteral("Login: ") + system.LocalHostName().toUpper(),
                          MsgButtons::Ok, MsgIcon::Information, QStringLiteral("IP Check"));
    PutOnClipboard(system, system.LocalIP());
}

void frmBrowser::Command7_Click()
{
    const QString url = ReadIgnoringErrors([this] { return brwWebBrowser->LocationURL(); });
    const QString title = QStringLiteral("Location Url");
    if (url.isEmpty()) {
        program().ui().MsgBox(QStringLiteral("Non c'e' nessun indirizzo valido !!!"), MsgButtons::Ok,
                              MsgIcon::Information, title);
        return;
    }
    program().ui().MsgBox(QStringLiteral("Indirizzo attuale: ") + url, MsgButtons::Ok, MsgIcon::Information, title);
    PutOnClipboard(program().system(), url);
}

void frmBrowser::Command8_Click(int index)
{
    if (index >= 0 && index < static_cast<int>(kPresetSites.size()))
        program().g.INDIRIZZO_INIZIALE = kPresetSites[static_cast<std::size_t>(index)].address;
    SetAddressText(program().g.INDIRIZZO_INIZIALE);
    cboAddress_Click();
    Command7->setFocus();
}
