#pragma once
#include <QString>
#include <array>
#include <cstdint>

class QTreeWidgetItem;

// The viewer's program-wide state: it outlasts the window and only this subsystem uses it.
struct FavouritesState {
    QString FavFolder;   // the Favourites folder found by the last scan
    QString ScanPath;    // the folder being walked (not restored on the way back)
    QString ScanPattern; // file mask of shortcut files
    QString ParentKey;   // key of the node receiving the next nodes; empty means the root
    std::array<QString, 201> FolderByDepth{};
    std::int16_t Depth = 0;
    // The shortcut node last clicked; cleared whenever the nodes it may point at go away.
    QTreeWidgetItem* SelectedShortcut = nullptr;
    bool TreeLoaded = false;
};
