#include "SideButtons.h"

#include "browser/address/AddressRules.h"
#include "FittingButton.h"
#include "PresetSites.h"
#include "frmBrowser.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/ProgramFont.h"
#include "app/TextHelpers.h"
#include "app/Twips.h"
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

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip)
{
    auto* button = new FittingButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    return button;
}

QCheckBox* MakeCheckedBox(QWidget* parent, const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(true);
    return box;
}

// The buttons of the strip with their design texts and places, and their click handlers.
struct SideButton {
    QPushButton* frmBrowser::*control;
    void (frmBrowser::*handler)();
    const char* name;
    const char* caption;
    const char* toolTip;
    QRect twips;
};

const SideButton kSideButtons[] = {
    {&frmBrowser::Command1, &frmBrowser::Command1_Click, "Command1", " Modifica    pagina", " Modifica Pagina .HTML",
     {2850, 0, 870, 495}},
    {&frmBrowser::Command2, &frmBrowser::Command2_Click, "Command2", "Vedo Storia",
     "Visualizzo lo Storico dei Siti visitati", {10575, 0, 990, 315}},
    {&frmBrowser::Command3, &frmBrowser::Command3_Click, "Command3", "Vedo Link Preferiti",
     "Richiama elenco Preferiti di IE", {5520, 315, 1485, 315}},
    {&frmBrowser::Command4, &frmBrowser::Command4_Click, "Command4", "Vedo finestre IE aperte",
     "Gestione finestre IE aperte e cancellazione dalla memoria", {7005, 315, 1875, 315}},
    {&frmBrowser::Command5, &frmBrowser::Command5_Click, "Command5", "Varia storia",
     "Gestione dello Storico dei Siti visitatii", {8880, 315, 975, 315}},
    {&frmBrowser::Command6, &frmBrowser::Command6_Click, "Command6", "ID", "Informazioni Login e Numero IP del PC",
     {9855, 315, 525, 315}},
    {&frmBrowser::Command7, &frmBrowser::Command7_Click, "Command7", "Copia Address",
     "Copia URL indirizzo Internet nella Storia dei Siti visitati", {10380, 315, 1215, 315}},
};

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

void SideButtons::Create(QWidget& strip)
{
    for (const SideButton& design : kSideButtons) {
        QPushButton* button = MakeButton(&strip, QString::fromLatin1(design.name), QString::fromLatin1(design.caption),
                                         QString::fromLatin1(design.toolTip));
        SetTwipsGeometry(button, design.twips.left(), design.twips.top(), design.twips.width(), design.twips.height());
        window_.*design.control = button;
    }
    window_.Command2->setVisible(false); // its handler is the merge run by the load and closing steps

    window_.Check1 = MakeCheckedBox(&strip, QStringLiteral("Check1"), QStringLiteral("Elimina domande"));
    SetTwipsGeometry(window_.Check1, 3825, 285, 1680, 195);
    window_.Check2 = MakeCheckedBox(&strip, QStringLiteral("Check2"), QStringLiteral("Elimina Win PopUp"));
    SetTwipsGeometry(window_.Check2, 3825, 495, 1680, 195);

    // Six small preset buttons spread evenly from 45 to 3765 twips, under the toolbar.
    constexpr int presetsLeft = 45;
    constexpr int presetWidth = (3765 - presetsLeft) / 6;
    const QFont presetFont = ProgramFont(kPresetFontPixels);
    for (std::size_t i = 0; i < window_.Command8.size(); ++i) {
        const PresetSite& site = kPresetSites[i];
        window_.Command8[i] = MakeButton(&strip, QStringLiteral("Command8_%1").arg(i), site.caption, site.toolTip);
        window_.Command8[i]->setFont(presetFont);
        SetTwipsGeometry(window_.Command8[i], presetsLeft + static_cast<int>(i) * presetWidth, 495, presetWidth, 195);
    }

    // Any change of the box's state, by a click, the keyboard or an assistive tool.
    QObject::connect(window_.Check2, &QCheckBox::stateChanged, &window_, &frmBrowser::Check2_Click);
    QObject::connect(window_.Check1, &QCheckBox::stateChanged, &window_, &frmBrowser::TellPagesThePopupSwitch);
    for (const SideButton& design : kSideButtons)
        QObject::connect(window_.*design.control, &QPushButton::clicked, &window_, design.handler);
    for (int i = 0; i < static_cast<int>(window_.Command8.size()); ++i)
        QObject::connect(window_.Command8[i], &QPushButton::clicked, &window_, [this, i]() { window_.Command8_Click(i); });
}

void SideButtons::SetPopupSwitch()
{
    // Greyed counts as unticked: pop-ups are let through.
    window_.program().g.POPUP_PERMESSI = window_.Check2->checkState() == Qt::Checked ? 0 : -1;
}

void SideButtons::EditPageOrStartCopy()
{
    IgnoreErrors([this] { window_.SetAddressText(window_.Browser().LocationURL()); });
    const QString address = window_.AddressText();
    if (TrimBlanks(address) == QLatin1String("about:blank"))
        return;
    if (IsLocalAddress(address)) {
        window_.SetCommand1Caption(kEditPageCaption);
        window_.program().form<Form2>().Show();
        return;
    }
    window_.SetCommand1Caption(QStringLiteral("Nuovo Vindrex"));
    StartSecondCopy(window_.program(), address);
}

void SideButtons::ShowFavourites()
{
    window_.program().ui().SetHourglass(true);
    window_.program().form<frmFav>().Show();
}

void SideButtons::ShowIeWindows() { window_.program().form<Test_URL>().Show(); }

void SideButtons::ShowNetworkId()
{
    Program& program = window_.program();
    SystemServices& system = program.system();
    program.ui().MsgBox(QStringLiteral("Il tuo indirizzo IP e':   ") + system.LocalIP() + QStringLiteral("\r\n\r\n")
                            + QStringLiteral("Login: ") + system.LocalHostName().toUpper(),
                        MsgButtons::Ok, MsgIcon::Information, QStringLiteral("IP Check"));
    PutOnClipboard(system, system.LocalIP());
}

void SideButtons::CopyAddress()
{
    Program& program = window_.program();
    const QString url = ReadIgnoringErrors([this] { return window_.Browser().LocationURL(); });
    const QString title = QStringLiteral("Location Url");
    if (url.isEmpty()) {
        program.ui().MsgBox(QStringLiteral("Non c'e' nessun indirizzo valido !!!"), MsgButtons::Ok, MsgIcon::Information,
                            title);
        return;
    }
    program.ui().MsgBox(QStringLiteral("Indirizzo attuale: ") + url, MsgButtons::Ok, MsgIcon::Information, title);
    PutOnClipboard(program.system(), url);
}

void SideButtons::OpenPresetSite(int index)
{
    Globals& g = window_.program().g;
    if (index >= 0 && index < static_cast<int>(kPresetSites.size()))
        g.INDIRIZZO_INIZIALE = kPresetSites[static_cast<std::size_t>(index)].address;
    window_.SetAddressText(g.INDIRIZZO_INIZIALE);
    window_.cboAddress_Click();
    window_.Command7->setFocus();
}
