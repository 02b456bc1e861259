#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The favourites viewer's program-wide state, owned by the program: the walk's place and the
// shortcut the user clicked outlast the viewer's window.
struct FavouritesState {
    QString FavFolder;   // the Favourites folder found by the last scan
    QString ScanPath;    // the folder being walked (not restored on the way back)
    QString ScanPattern; // file mask of shortcut files
    QString ParentKey;   // key of the node receiving the next nodes; empty means the root
    std::array<QString, 201> FolderByDepth{};
    std::int16_t Depth = 0;
    // Key of the shortcut node last clicked; emptied whenever the nodes go away.
    QString SelectedShortcutKey;
    bool TreeLoaded = false;
};
