#pragma once
#include "app/Form.h"

#include <memory>

class FavouritesScan;
class FavouritesTree;
class LiveFavourites;
class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The favourites viewer: the tree of the user's Favourites folder beside the browser window,
// with a menu on every shortcut node to open its site here or in a second copy of the program.
class frmFav : public Form {
    Q_OBJECT
public:
    explicit frmFav(Program& program);
    ~frmFav() override;

    QPushButton* Command1 = nullptr; // "F i n e": hides the window, keeping its tree
    QTreeWidget* TreeView1 = nullptr;
    QMenu* mnuPopupURL = nullptr;
    QAction* mnuOpenSite = nullptr;
    QAction* mnuOpenSiteNew = nullptr;
    QAction* mnuOrganize = nullptr;
    QAction* mnuCancel = nullptr;

    void Command1_Click();
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void TreeView1_KeyPress(int keyAscii);
    void mnuOpenSite_Click();
    void mnuOpenSiteNew_Click();
    void mnuOrganize_Click();

    FavouritesTree& Tree() const { return *tree_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePopupMenu();

    std::unique_ptr<FavouritesTree> tree_;
    std::unique_ptr<FavouritesScan> scan_;
    LiveFavourites* live_ = nullptr; // a child of the window
};
