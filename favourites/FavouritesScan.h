#pragma once
#include <QSet>
#include <QString>
#include <QStringList>

class FavouritesTree;
class Program;
struct FavouritesState;

// Fills the favourites tree from the user's Favourites folder: one node per sub-folder and one
// per shortcut file, walked in listing order with the program-wide viewer state.
class FavouritesScan {
public:
    enum class Caller { WindowLoad, RescanKey };
    static constexpr int kFavoritesFolderId = 6; // the user's Favorites folder

    FavouritesScan(Program& program, FavouritesTree& tree);

    // Fills the tree from scratch. False when the Favourites folder is missing: the caller's
    // message was shown, the browser window has been closed (the program is ending) and the
    // caller must return at once.
    bool BuildFavouritesTree(Caller caller);
    // The folders the last build listed to make its nodes, Windows form with a trailing "\".
    const QStringList& WalkedFolders() const { return walkedFolders_; }

    QString GetSpecialFolderPath(int folderId) const;
    QString ProfileGetItem(const QString& lpSectionName, const QString& lpKeyName, const QString& defaultValue,
                           const QString& inifile) const;

private:
    void ScanFolder();
    void AddShortcuts();
    void AddTreeNode(const QString& text, bool isFolder, bool isRoot, const QString& parentKey, const QString& address);
    bool IsPlainFolder(const QString& path) const;
    // False when the folder was already entered in this walk (a link leading back into it).
    bool FirstVisit(const QString& folder);
    void StepBack();

    Program& program_;
    FavouritesTree& tree_;
    FavouritesState& state_;
    QSet<QString> visitedFolders_;
    QStringList walkedFolders_;
    int hiddenLevels_ = 0; // > 0 while walking inside a hidden folder: nothing there shows
};
