#include "FavouritesFixture.h"
#include "favourites/frmFav.h"
#include "support/WaitUntil.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kFavourites = QStringLiteral("C:\\WINDOWS\\Favorites\\");

class LiveFavouritesTest : public ::testing::Test, public FavouritesFixture {
protected:
    LiveFavouritesTest()
    {
        Shortcut(QStringLiteral("Rai.url"), QStringLiteral("http://www.rai.it/"));
        Shortcut(QStringLiteral("Locali/Inizio.url"), QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
        Shortcut(QStringLiteral("Altro/Tg.url"), QStringLiteral("http://tg/"));
        Folder(QStringLiteral(".nascosta/Dentro"));
        t.UseFakeBrowserWindow();
    }
    frmFav& Window() { return t.program->form<frmFav>(); }
    QTreeWidgetItem* Node(const char* key) { return Window().Tree().Find(QString::fromLatin1(key)); }
    FakeFolderWatcher& Watcher() { return *t.folderWatchers.back(); }
    QTimer& Settling() { return *Window().findChild<QTimer*>(QStringLiteral("timLiveFavourites")); }
};

TEST_F(LiveFavouritesTest, ABurstOfChangesRebuildsOnceKeepingOpenFoldersAndTheSelection)
{
    frmFav& w = Window();
    ASSERT_EQ(Watcher().watched.size(), 1u);
    EXPECT_EQ(Watcher().watched[0], (QStringList{kFavourites, kFavourites + "Altro\\", kFavourites + "Locali\\"}));
    Node("Locali")->setExpanded(true);
    w.TreeView1->setCurrentItem(Node("Inizio_URL"));
    w.TreeView1_NodeClick(Node("Inizio_URL"));
    w.mnuPopupURL->hide();
    Shortcut(QStringLiteral("Locali/Nuovo.url"), QStringLiteral("http://nuovo/"));
    Folder(QStringLiteral("Locali/Sotto"));

    QSignalSpy settled(&Settling(), &QTimer::timeout);
    for (int i = 0; i < 3; ++i)
        Watcher().Change();
    EXPECT_FALSE(Node("Nuovo_URL"));
    ASSERT_TRUE(WaitUntil([&] { return Node("Nuovo_URL") != nullptr; }));
    EXPECT_EQ(settled.count(), 1);
    EXPECT_FALSE(Settling().isActive());
    ASSERT_EQ(Watcher().watched.size(), 2u);
    EXPECT_TRUE(Watcher().watched[1].contains(kFavourites + "Locali\\Sotto\\"));
    EXPECT_TRUE(Node("R")->isExpanded());
    EXPECT_TRUE(Node("Locali")->isExpanded());
    EXPECT_FALSE(Node("Altro")->isExpanded());
    EXPECT_FALSE(Node("Sotto")->isExpanded());
    EXPECT_EQ(w.TreeView1->currentItem(), Node("Inizio_URL"));
    EXPECT_EQ(w.TreeView1->selectedItems(), QList<QTreeWidgetItem*>{Node("Inizio_URL")});
    EXPECT_EQ(state().SelectedShortcutKey, QStringLiteral("Inizio_URL")); // its menu still opens the site
}

TEST_F(LiveFavouritesTest, ChangesWhileHiddenRebuildAsTheWindowShowsAgain)
{
    frmFav& w = Window();
    Node("Altro")->setExpanded(true);
    Node("R")->setExpanded(false);
    w.Command1->click();
    Shortcut(QStringLiteral("Nuovo.url"), QStringLiteral("http://nuovo/"));
    Watcher().Change();
    EXPECT_FALSE(Settling().isActive());

    w.Show();
    EXPECT_TRUE(Node("Nuovo_URL"));
    EXPECT_EQ(Watcher().watched.size(), 2u);
    EXPECT_TRUE(Node("Altro")->isExpanded());
    EXPECT_FALSE(Node("R")->isExpanded());
}

TEST_F(LiveFavouritesTest, AFavouritesFolderGoneLeavesTheTreeAndTheProgramAsTheyWere)
{
    Window();
    t.system.favorites.clear();
    QSignalSpy settled(&Settling(), &QTimer::timeout);
    Watcher().Change();
    ASSERT_TRUE(WaitUntil([&] { return settled.count() == 1; }));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.browserWindow.closed, 0);
    EXPECT_TRUE(Node("Rai_URL"));
}

} // namespace
