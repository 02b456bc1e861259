#include "SideButtons.h"
#include "StatusBar.h"
#include "frmBrowser.h"

#include "app/Program.h"
#include "app/ProgramFont.h"
#include "app/Twips.h"

#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

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

    sideButtons_->Create(*picAddress);
}

void frmBrowser::CreateToolBar()
{
    tbToolBar = new QToolBar(picAddress);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setIconSize(QSize(20, 20));
    tbToolBar->setMovable(false);
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"Back", QStyle::SP_ArrowBack},         {"Forward", QStyle::SP_ArrowForward}, {"Stop", QStyle::SP_BrowserStop},
        {"Refresh", QStyle::SP_BrowserReload},  {"Home", QStyle::SP_DirHomeIcon},
        {"Search", QStyle::SP_FileDialogContentsView}};
    for (const auto& [key, icon] : buttons) {
        QAction* action = tbToolBar->addAction(style()->standardIcon(icon), QString::fromLatin1(key));
        action->setToolTip(QString::fromLatin1(key));
        action->setData(QString::fromLatin1(key));
        action->setObjectName(QString::fromLatin1(key));
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
