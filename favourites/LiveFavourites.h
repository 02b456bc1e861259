#pragma once
#include "FavouritesScan.h"

#include <QObject>
#include <QTimer>

#include <memory>

class FavouritesTree;
class FolderWatcher;
class Program;
class QTreeWidget;
class QWidget;

// Keeps the favourites tree in step with the Favourites folder: a shortcut or folder added,
// renamed or removed in any folder of the tree rebuilds it as the rescan key does, with the
// folders left open, the selection and the clicked shortcut kept. A burst of changes gives one
// rebuild a moment later; changes while the window is hidden rebuild it as it shows again.
// A child of the window, which it watches for showing.
class LiveFavourites : public QObject {
    Q_OBJECT
public:
    LiveFavourites(Program& program, QWidget& window, QTreeWidget& view, FavouritesTree& tree, FavouritesScan& scan);
    ~LiveFavourites() override;

    // Every build of the tree: fills it for `caller` and watches the folders it walked. False
    // when the scan's is.
    bool Build(FavouritesScan::Caller caller);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed();
    void Refresh();

    Program& program_;
    QWidget& window_;
    QTreeWidget& view_;
    FavouritesTree& tree_;
    FavouritesScan& scan_;
    QTimer settle_{this}; // "timLiveFavourites": the moment a burst of changes takes to settle
    bool stale_ = false;  // a change was seen while the window was hidden
    std::unique_ptr<FolderWatcher> watcher_;
};
