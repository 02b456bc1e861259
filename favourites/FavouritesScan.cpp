#include "FavouritesScan.h"

#include "FavouritesText.h"
#include "FavouritesTree.h"
#include "app/BrowserWindow.h"
#include "app/Program.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/ProfileReader.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QTreeWidgetItem>

namespace {

// Initialisation files are read whole; a shortcut file is a few hundred bytes.
constexpr qint64 kMaxProfileFileBytes = 16 * 1024 * 1024;

const QString kRootKey = QStringLiteral("R");

void ShowFolderMissing(UiServices& ui, FavouritesScan::Caller caller)
{
    if (caller == FavouritesScan::Caller::WindowLoad)
        ui.MsgBox(QStringLiteral(" Non trovo la directory preferiti! ")
                      + QStringLiteral("Questo programma richiede MicroSoft Internet ")
                      + QStringLiteral("Explorer installato. Il programma verra chiuso!"),
                  MsgButtons::Ok, MsgIcon::Stop, QStringLiteral("Errore di accesso"));
    else
        ui.MsgBox(QStringLiteral(" Non trovo ila cartella preferiti ")
                      + QStringLiteral("Richiesto Microsoft's Internet ") + QStringLiteral("Explorer Installato!"),
                  MsgButtons::Ok, MsgIcon::Stop, QStringLiteral("Errore"));
}

} // namespace

FavouritesScan::FavouritesScan(Program& program, FavouritesTree& tree)
    : program_(program), tree_(tree), state_(program.favourites)
{
}

bool FavouritesScan::BuildFavouritesTree(Caller caller)
{
    state_.SelectedShortcutKey.clear(); // its node goes with the others
    tree_.Clear();
    walkedFolders_.clear();
    state_.FavFolder = GetSpecialFolderPath(kFavoritesFolderId);
    AddTreeNode(QStringLiteral("Internet Preferiti"), false, true, {}, {});
    if (state_.FavFolder.isEmpty()) {
        program_.ui().SetHourglass(false); // the user answers the boxes that follow
        ShowFolderMissing(program_.ui(), caller);
        // Through the browser window's closing step, so that the addresses of this session may
        // still be saved.
        program_.browserWindow().Close();
        return false;
    }
    state_.ScanPath = state_.FavFolder;
    state_.ScanPattern = QStringLiteral("*.url");
    const qsizetype folders = visitedFolders_.size();
    visitedFolders_.clear();
    visitedFolders_.reserve(folders); // as for the tree's keys: no regrowth on a rescan
    hiddenLevels_ = 0;
    ScanFolder();
    tree_.Find(kRootKey)->setExpanded(true);
    return true;
}

QString FavouritesScan::GetSpecialFolderPath(int folderId) const
{
    if (folderId != kFavoritesFolderId)
        return {};
    return TrimNull(program_.system().FavoritesFolder());
}

QString FavouritesScan::ProfileGetItem(const QString& lpSectionName, const QString& lpKeyName,
                                       const QString& defaultValue, const QString& inifile) const
{
    QByteArray bytes; // a file that cannot be read gives the default, as a missing one does
    try {
        bytes = program_.fs().ReadAll(inifile, kMaxProfileFileBytes);
    } catch (const VbError&) {
    }
    return ProfileString(bytes, lpSectionName, lpKeyName, defaultValue);
}

void FavouritesScan::ScanFolder()
{
    const QString base = AddBackslash(state_.ScanPath);
    std::optional<std::vector<DirEntry>> entries;
    if (FirstVisit(base))
        entries = program_.fs().List(base, QStringLiteral("*.*"));
    if (entries) {
        if (hiddenLevels_ == 0) // what a hidden folder holds never shows
            walkedFolders_ << base;
        AddShortcuts(); // this folder's shortcuts come before its sub-folders
        for (const DirEntry& entry : *entries) {
            if (!entry.isDirectory || entry.name == u"." || entry.name == u"..")
                continue;
            const QString name = TrimNull(entry.name);
            state_.ScanPath = base + name;
            const bool plain = IsPlainFolder(state_.ScanPath);
            // Every descent records its name, so the step back finds the right parent again.
            state_.Depth = FolderDepth(state_.ScanPath);
            state_.FolderByDepth[state_.Depth] = name;
            if (plain)
                AddTreeNode(name, true, false, state_.Depth == 1 ? QString() : state_.ParentKey, {});
            state_.ParentKey = name;
            hiddenLevels_ += plain ? 0 : 1;
            ScanFolder();
            hiddenLevels_ -= plain ? 0 : 1;
        }
    }
    StepBack();
}

void FavouritesScan::StepBack()
{
    if (state_.Depth >= 1) {
        --state_.Depth;
        state_.ParentKey = state_.FolderByDepth[state_.Depth];
        if (state_.ParentKey == kRootKey)
            state_.ParentKey.clear();
    } else {
        state_.ParentKey.clear();
    }
}

void FavouritesScan::AddShortcuts()
{
    const QString base = AddBackslash(state_.ScanPath);
    const auto entries = program_.fs().List(base, state_.ScanPattern);
    if (!entries)
        return;
    for (const DirEntry& entry : *entries) {
        if (entry.isDirectory)
            continue;
        const QString name = TrimNull(entry.name);
        const std::optional<QString> title = ShortcutTitle(name);
        if (!title)
            continue;
        const QString address = ProfileGetItem(QStringLiteral("InternetShortcut"), QStringLiteral("URL"), {},
                                               base + name);
        if (!state_.ParentKey.isEmpty()) {
            AddTreeNode(*title, false, false, state_.ParentKey, address);
        } else {
            state_.Depth = 0;
            state_.FolderByDepth[0] = kRootKey;
            AddTreeNode(*title, false, false, kRootKey, address);
        }
    }
}

void FavouritesScan::AddTreeNode(const QString& text, bool isFolder, bool isRoot, const QString& parentKey,
                                 const QString& address)
{
    using Kind = FavouritesTree::Kind;
    if (isRoot) {
        tree_.Add(Kind::Root, kRootKey, text, {}, {});
        return;
    }
    if (hiddenLevels_ > 0)
        return; // a hidden folder and everything inside it stay out of the tree
    // A taken key or a missing parent leaves the tree as it was; the walk goes on.
    if (isFolder)
        tree_.Add(Kind::Folder, text, text, parentKey.isEmpty() ? kRootKey : parentKey, {});
    else
        tree_.Add(Kind::Shortcut, text + QStringLiteral("_URL"), text, parentKey, address);
}

bool FavouritesScan::IsPlainFolder(const QString& path) const { return program_.fs().IsPlainFolder(path); }

bool FavouritesScan::FirstVisit(const QString& folder)
{
    const QString identity = program_.fs().FolderIdentity(folder);
    if (identity.isEmpty())
        return true;
    if (visitedFolders_.contains(identity))
        return false;
    visitedFolders_.insert(identity);
    return true;
}
