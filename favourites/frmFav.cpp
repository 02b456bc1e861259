#include "frmFav.h"

#include "FavouritesScan.h"
#include "FavouritesText.h"
#include "FavouritesTree.h"
#include "LiveFavourites.h"
#include "OrganizeDialog.h"
#include "app/Program.h"
#include "app/Twips.h"
#include "platform/system/UiServices.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kKeyLowerT = 116;
constexpr int kMinWidth = 1000;
constexpr int kMinHeight = 2000;

} // namespace

frmFav::frmFav(Program& program) : Form(program)
{
    CreateControls();
    CreatePopupMenu();
    tree_ = std::make_unique<FavouritesTree>(*TreeView1);
    scan_ = std::make_unique<FavouritesScan>(program, *tree_);
    live_ = new LiveFavourites(program, *this, *TreeView1, *tree_, *scan_);
}

frmFav::~frmFav()
{
    program().favourites.SelectedShortcutKey.clear(); // its node dies with the window
}

void frmFav::CreateControls()
{
    SetCaption(QStringLiteral("Internet Preferiti"));

    Command1 = new QPushButton(QStringLiteral("F i n e"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    SetTwipsGeometry(Command1, 5385, 0, 975, 270);
    connect(Command1, &QPushButton::clicked, this, &frmFav::Command1_Click);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setIconSize(QSize(16, 16));
    SetTwipsGeometry(TreeView1, 45, 270, 6315, 4560);
    TreeView1->installEventFilter(this);
    connect(TreeView1, &QTreeWidget::itemClicked, this, &frmFav::TreeView1_NodeClick);

    SetClientSizeTwips(6420, 4845); // after the tree: the resize step places it
}

void frmFav::CreatePopupMenu()
{
    mnuPopupURL = new QMenu(this);
    mnuPopupURL->setObjectName(QStringLiteral("mnuPopupURL"));
    const auto addEntry = [this](const char* name, const QString& caption) {
        QAction* entry = mnuPopupURL->addAction(caption);
        entry->setObjectName(QLatin1String(name));
        return entry;
    };
    mnuOpenSite = addEntry("mnuOpenSite", QStringLiteral("Open Site"));
    mnuOpenSiteNew = addEntry("mnuOpenSiteNew", QStringLiteral("Open Site (New Window)"));
    mnuOrganize = addEntry("mnuOrganize", QStringLiteral("Organize"));
    mnuCancel = addEntry("mnuCancel", QStringLiteral("Cancel")); // only closes the menu
    connect(mnuOpenSite, &QAction::triggered, this, &frmFav::mnuOpenSite_Click);
    connect(mnuOpenSiteNew, &QAction::triggered, this, &frmFav::mnuOpenSiteNew_Click);
    connect(mnuOrganize, &QAction::triggered, this, &frmFav::mnuOrganize_Click);
}

void frmFav::Form_Load()
{
    program().ui().SetHourglass(true);
    TreeView1->setSortingEnabled(false);
    MoveTwips(2910, 1170);
    FavouritesState& state = program().favourites;
    if (!state.TreeLoaded) {
        state.TreeLoaded = true;
        if (!live_->Build(FavouritesScan::Caller::WindowLoad))
            return; // the program is ending
    }
    Show();
    program().ui().SetHourglass(false);
}

void frmFav::Form_Activate()
{
    program().ui().SetHourglass(false);
    TreeView1->setFocus();
}

void frmFav::Form_Resize()
{
    if (IsMinimized())
        return;
    // The outer size, as the minimums are meant for the whole window.
    const QSize frame = frameGeometry().size();
    const QSize border = frame - size();
    const QRect treeGeometry = TwipsGeometry(TreeView1);
    int treeWidth = kMinWidth;
    int treeHeight = 1300;
    QSize client = size();
    if (PixelsToTwips(frame.width()) > kMinWidth)
        treeWidth = PixelsToTwips(frame.width()) - 200;
    else
        client.setWidth(TwipsToPixels(kMinWidth) - border.width());
    if (PixelsToTwips(frame.height()) > kMinHeight)
        treeHeight = PixelsToTwips(frame.height()) - 700;
    else
        client.setHeight(TwipsToPixels(kMinHeight) - border.height());
    SetTwipsGeometry(TreeView1, treeGeometry.x(), treeGeometry.y(), treeWidth, treeHeight);
    if (client != size())
        resize(client);
}

void frmFav::Form_Unload() { program().favourites.TreeLoaded = false; }

void frmFav::Command1_Click() { Hide(); }

void frmFav::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    const QString key = FavouritesTree::Key(*node);
    if (!IsShortcutKey(key))
        return;
    program().favourites.SelectedShortcutKey = key;
    mnuPopupURL->popup(QCursor::pos());
}

void frmFav::TreeView1_KeyPress(int keyAscii)
{
    // The pointer stays as it is: a rescan by key shows no hourglass.
    if (keyAscii == kKeyLowerT)
        live_->Build(FavouritesScan::Caller::RescanKey);
}

bool frmFav::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1)
            TreeView1_KeyPress(typed.at(0).unicode());
    }
    return Form::eventFilter(watched, event); // the tree still gets the key
}

void frmFav::mnuOrganize_Click()
{
    OrganizeDialog dialog(program(), scan_->GetSpecialFolderPath(FavouritesScan::kFavoritesFolderId), this);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    program().ui().RunModal(dialog);
}
