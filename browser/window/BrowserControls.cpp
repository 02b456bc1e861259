#include "FittingButton.h"
#include "PresetSites.h"
#include "StatusBar.h"
#include "ToolbarIcons.h"
#include "frmBrowser.h"

#include "app/Program.h"
#include "app/ProgramFont.h"
#include "app/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

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
    {&frmBrowser::Command1,
     &frmBrowser::Command1_Click,
     "Command1",
     " Modifica    pagina",
     " Modifica Pagina .HTML",
     {2850, 0, 870, 495}},
    {&frmBrowser::Command2,
     &frmBrowser::Command2_Click,
     "Command2",
     "Vedo Storia",
     "Visualizzo lo Storico dei Siti visitati",
     {10575, 0, 990, 315}},
    {&frmBrowser::Command3,
     &frmBrowser::Command3_Click,
     "Command3",
     "Vedo Link Preferiti",
     "Richiama elenco Preferiti di IE",
     {5520, 315, 1485, 315}},
    {&frmBrowser::Command4,
     &frmBrowser::Command4_Click,
     "Command4",
     "Vedo finestre IE aperte",
     "Gestione finestre IE aperte e cancellazione dalla memoria",
     {7005, 315, 1875, 315}},
    {&frmBrowser::Command5,
     &frmBrowser::Command5_Click,
     "Command5",
     "Varia storia",
     "Gestione dello Storico dei Siti visitatii",
     {8880, 315, 975, 315}},
    {&frmBrowser::Command6,
     &frmBrowser::Command6_Click,
     "Command6",
     "ID",
     "Informazioni Login e Numero IP del PC",
     {9855, 315, 525, 315}},
    {&frmBrowser::Command7,
     &frmBrowser::Command7_Click,
     "Command7",
     "Copia Address",
     "Copia URL indirizzo Internet nella Storia dei Siti visitati",
     {10380, 315, 1215, 315}},
};

} // namespace

void frmBrowser::CreateControls()
{
    setObjectName(QStringLiteral("frmBrowser"));
    setFont(ProgramFont(kBrowserFontPixels));

    CreateStrip();

    brwWebBrowser = program().MakeBrowser(this);
    brwWebBrowser->setEvents(this);
    brwWebBrowser->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    SetTwipsGeometry(brwWebBrowser->widget(), 75, 690, 5400, 3735);

    StatusBar1 = new StatusBar(this);
    SetTwipsGeometry(StatusBar1, 0, 7215, 11595, 285);

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(1000);

    ConnectHandlers();
    SetClientSizeTwips(11595, 7500);
}

void frmBrowser::CreateStrip()
{
    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    SetTwipsGeometry(picAddress, 0, 0, 11595, 675);

    CreateToolBar();

    lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetTwipsGeometry(lblAddress, 3735, 15, 795, 255);

    cboAddress = new AddressBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    lblAddress->setBuddy(cboAddress);
    SetTwipsGeometry(cboAddress, 4545, -15, 3360, 315);

    CreateSideButtons();
}

// The buttons and check boxes of the strip, as designed, with their handlers.
void frmBrowser::CreateSideButtons()
{
    for (const SideButton& design : kSideButtons) {
        QPushButton* button = MakeButton(picAddress, QString::fromLatin1(design.name),
                                         QString::fromLatin1(design.caption), QString::fromLatin1(design.toolTip));
        SetTwipsGeometry(button, design.twips.left(), design.twips.top(), design.twips.width(), design.twips.height());
        this->*design.control = button;
    }
    Command2->setVisible(false); // its handler is the merge run by the load and closing steps

    Check1 = MakeCheckedBox(picAddress, QStringLiteral("Check1"), QStringLiteral("Elimina domande"));
    SetTwipsGeometry(Check1, 3825, 285, 1680, 195);
    Check2 = MakeCheckedBox(picAddress, QStringLiteral("Check2"), QStringLiteral("Elimina Win PopUp"));
    SetTwipsGeometry(Check2, 3825, 495, 1680, 195);

    // Six small preset buttons spread evenly from 45 to 3765 twips, under the toolbar.
    constexpr int presetsLeft = 45;
    constexpr int presetWidth = (3765 - presetsLeft) / 6;
    const QFont presetFont = ProgramFont(kPresetFontPixels);
    for (std::size_t i = 0; i < Command8.size(); ++i) {
        const PresetSite& site = kPresetSites[i];
        Command8[i] = MakeButton(picAddress, QStringLiteral("Command8_%1").arg(i), site.caption, site.toolTip);
        Command8[i]->setFont(presetFont);
        SetTwipsGeometry(Command8[i], presetsLeft + static_cast<int>(i) * presetWidth, 495, presetWidth, 195);
    }

    // Any change of the box's state, by a click, the keyboard or an assistive tool.
    connect(Check2, &QCheckBox::stateChanged, this, &frmBrowser::Check2_Click);
    connect(Check1, &QCheckBox::stateChanged, this, &frmBrowser::TellPagesThePopupSwitch);
    for (const SideButton& design : kSideButtons)
        connect(this->*design.control, &QPushButton::clicked, this, design.handler);
    for (int i = 0; i < static_cast<int>(Command8.size()); ++i)
        connect(Command8[i], &QPushButton::clicked, this, [this, i]() { Command8_Click(i); });
}

void frmBrowser::CreateToolBar()
{
    tbToolBar = new QToolBar(picAddress);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setIconSize(QSize(20, 20));
    tbToolBar->setMovable(false);
    for (const char* name : {"Back", "Forward", "Stop", "Refresh", "Home", "Search"}) {
        const QString key = QString::fromLatin1(name);
        QAction* action = tbToolBar->addAction(ToolbarIcon(key), key);
        action->setToolTip(key);
        action->setData(key);
        action->setObjectName(key);
    }
    SetTwipsGeometry(tbToolBar, 30, 0, 2820, 510);
}

void frmBrowser::ConnectHandlers()
{
    connect(cboAddress, &AddressBox::picked, this, &frmBrowser::cboAddress_Click);
    connect(cboAddress, &AddressBox::keyTyped, this, &frmBrowser::cboAddress_KeyPress);
    lblAddress->installEventFilter(this);
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* action) { tbToolBar_ButtonClick(action->data().toString()); });
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
}
