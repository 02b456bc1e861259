#include "LiveFavourites.h"

#include "FavouritesTree.h"
#include "app/Program.h"
#include "platform/files/FolderWatcher.h"

#include <QEvent>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWidget>

namespace {

// Long enough for a burst of changes (a folder copied, a file written after it was made), short
// enough for the tree to show them within a second.
constexpr int kSettleMs = 250;

// What the user sees of the tree, by node key, so that a rebuilt tree can show it again.
struct ViewState {
    QSet<QString> expanded;
    QStringList selected;
    QString current;
    int scrolled = 0;
};

ViewState SaveView(QTreeWidget& view)
{
    ViewState state;
    for (QTreeWidgetItemIterator it(&view); *it; ++it) {
        if ((*it)->isExpanded())
            state.expanded.insert(FavouritesTree::Key(**it));
        if ((*it)->isSelected())
            state.selected << FavouritesTree::Key(**it);
    }
    if (const QTreeWidgetItem* current = view.currentItem())
        state.current = FavouritesTree::Key(*current);
    state.scrolled = view.verticalScrollBar()->value();
    return state;
}

// Every node the user saw opens or stays closed as the user left it, the root too (a build opens
// it); new nodes stay closed, as the build made them.
void RestoreView(QTreeWidget& view, const FavouritesTree& tree, const ViewState& state)
{
    for (QTreeWidgetItemIterator it(&view); *it; ++it)
        if ((*it)->isExpanded() && !state.expanded.contains(FavouritesTree::Key(**it)))
            (*it)->setExpanded(false);
    for (const QString& key : state.expanded)
        if (QTreeWidgetItem* node = tree.Find(key))
            node->setExpanded(true);
    if (QTreeWidgetItem* current = tree.Find(state.current))
        view.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (const QString& key : state.selected)
        if (QTreeWidgetItem* node = tree.Find(key))
            node->setSelected(true);
    view.verticalScrollBar()->setValue(state.scrolled);
}

} // namespace

LiveFavourites::LiveFavourites(Program& program, QWidget& window, QTreeWidget& view, FavouritesTree& tree,
                               FavouritesScan& scan)
    : QObject(&window), program_(program), window_(window), view_(view), tree_(tree), scan_(scan),
      watcher_(program.MakeFolderWatcher([this] { Changed(); }))
{
    settle_.setObjectName(QStringLiteral("timLiveFavourites"));
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &LiveFavourites::Refresh);
    window_.installEventFilter(this);
}

LiveFavourites::~LiveFavourites() = default;

bool LiveFavourites::Build(FavouritesScan::Caller caller)
{
    settle_.stop(); // this build sees every change so far
    stale_ = false;
    if (!scan_.BuildFavouritesTree(caller))
        return false;
    watcher_->Watch(scan_.WalkedFolders());
    return true;
}

void LiveFavourites::Changed()
{
    // Not restarted by later changes: a long copy still shows as it goes.
    if (!window_.isVisible())
        stale_ = true;
    else if (!settle_.isActive())
        settle_.start();
}

void LiveFavourites::Refresh()
{
    if (!window_.isVisible()) {
        stale_ = true;
        return;
    }
    // A Favourites folder that went away is left to the rescan key and its message: what the
    // watcher sees never ends the program.
    if (scan_.GetSpecialFolderPath(FavouritesScan::kFavoritesFolderId).isEmpty())
        return;
    const ViewState view = SaveView(view_);
    const QString clicked = program_.favourites.SelectedShortcutKey;
    if (!Build(FavouritesScan::Caller::RescanKey))
        return; // the program is ending
    RestoreView(view_, tree_, view);
    if (tree_.Find(clicked)) // its menu may still be open
        program_.favourites.SelectedShortcutKey = clicked;
}

bool LiveFavourites::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Show && stale_)
        Refresh(); // before the tree is painted
    return QObject::eventFilter(watched, event);
}
