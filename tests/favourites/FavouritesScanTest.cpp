#include "FavouritesFixture.h"
#include "favourites/FavouritesScan.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class FavouritesScanTest : public ::testing::Test, public FavouritesFixture {
protected:
    QStringList Scan(FavouritesScan::Caller caller = FavouritesScan::Caller::WindowLoad)
    {
        completed = scan.BuildFavouritesTree(caller);
        return Dump(view);
    }
    QStringList Keys() const
    {
        QStringList keys;
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&view)); *it; ++it)
            keys << FavouritesTree::Key(**it);
        return keys;
    }

    QTreeWidget view;
    FavouritesTree tree{view};
    FavouritesScan scan{*t.program, tree};
    bool completed = false;
};

const QString kRoot = QStringLiteral("- > R | Internet Preferiti | ");

TEST_F(FavouritesScanTest, GeneratedTreeComesOutWholeAndARescanGivesTheSameTree)
{
    UseFavourites(QStringLiteral("Users\\Anna\\Favorites"));
    // Three levels; names sort the same in any order, so the expected tree follows from the plan.
    QStringList expected{kRoot};
    int site = 0;
    std::function<void(const QString&, const QString&, int)> plan = [&](const QString& folder, const QString& key,
                                                                        int level) {
        const int shortcuts = 1 + (level * 3 + site) % 4;
        for (int s = 0; s < shortcuts; ++s) {
            const QString title = QStringLiteral("s%1").arg(++site, 4, 10, QLatin1Char('0'));
            const QString address = QStringLiteral("http://sito%1.it/pagina?a=1;b=2").arg(site);
            Shortcut(folder + title + QStringLiteral(".url"), address);
            expected << Line(key, title + QStringLiteral("_URL"), title, address);
        }
        if (level == 3)
            return;
        for (int f = 0; f < 3; ++f) {
            const QString name = QStringLiteral("f%1").arg(site * 10 + f, 5, 10, QLatin1Char('0'));
            Folder(folder + name);
            expected << Line(key, name, name);
            plan(folder + name + u'/', name, level + 1);
        }
    };
    plan(QString(), QStringLiteral("R"), 1);

    EXPECT_EQ(Scan(), expected);
    EXPECT_TRUE(completed);
    EXPECT_TRUE(tree.Find(QStringLiteral("R"))->isExpanded());
    EXPECT_FALSE(view.topLevelItem(0)->child(view.topLevelItem(0)->childCount() - 1)->isExpanded());
    EXPECT_EQ(Scan(FavouritesScan::Caller::RescanKey), expected);
    EXPECT_TRUE(state().ParentKey.isEmpty());
    EXPECT_EQ(state().FavFolder, QStringLiteral("C:\\Users\\Anna\\Favorites"));
    EXPECT_EQ(state().ScanPattern, QStringLiteral("*.url"));
}

TEST_F(FavouritesScanTest, EmptyFolderGivesTheRootAloneExpanded)
{
    EXPECT_EQ(Scan(), QStringList{kRoot});
    EXPECT_TRUE(view.topLevelItem(0)->isExpanded());
}

TEST_F(FavouritesScanTest, TitlesComeFromTheNameBeforeTheFirstLowerCaseUrl)
{
    Shortcut(QStringLiteral("News.url"), QStringLiteral("http://news/"));
    Shortcut(QStringLiteral("Site.url.url"), QStringLiteral("http://site/"));
    Shortcut(QStringLiteral("Upper.URL"), QStringLiteral("http://upper/"));
    Shortcut(QStringLiteral("Mixed.Url"), QStringLiteral("http://mixed/"));
    File(QStringLiteral("NoSection.url"), "URL=http://lost/\r\n");
    File(QStringLiteral("Unreadable.url"), "[InternetShortcut]\r\nURL=http://secret/\r\n");
    QFile::setPermissions(HostOf(QStringLiteral("Unreadable.url")), QFile::WriteOwner);
    File(QStringLiteral("Note.url.txt"), "[InternetShortcut]\r\nURL=http://txt/\r\n");

    EXPECT_EQ(Scan(),
              (QStringList{kRoot, Line("R", "News_URL", "News", "http://news/"),
                           Line("R", "NoSection_URL", "NoSection"), Line("R", "Site_URL", "Site", "http://site/"),
                           Line("R", "Unreadable_URL", "Unreadable")}));
}

TEST_F(FavouritesScanTest, ShortcutsComeBeforeSubFoldersAndFoldersHoldTheirContents)
{
    Folder(QStringLiteral("Alpha"));
    Shortcut(QStringLiteral("Alpha/Inner.url"), QStringLiteral("i"));
    Shortcut(QStringLiteral("Zeta.url"), QStringLiteral("z"));
    Shortcut(QStringLiteral("Beta.url"), QStringLiteral("b"));
    Folder(QStringLiteral("Gamma"));

    EXPECT_EQ(Scan(), (QStringList{kRoot, Line("R", "Beta_URL", "Beta", "b"), Line("R", "Zeta_URL", "Zeta", "z"),
                                   Line("R", "Alpha", "Alpha"), Line("Alpha", "Inner_URL", "Inner", "i"),
                                   Line("R", "Gamma", "Gamma")}));
}

TEST_F(FavouritesScanTest, RepeatedKeysKeepTheFirstNodeReached)
{
    // Same title twice; same folder name twice; a folder named like a shortcut's key.
    Folder(QStringLiteral("A/Shared"));
    Shortcut(QStringLiteral("A/Shared/First.url"), QStringLiteral("1"));
    Shortcut(QStringLiteral("A/Same.url"), QStringLiteral("a"));
    Folder(QStringLiteral("B/Shared"));
    Shortcut(QStringLiteral("B/Shared/Second.url"), QStringLiteral("2"));
    Shortcut(QStringLiteral("B/Shared/First.url"), QStringLiteral("dup"));
    Shortcut(QStringLiteral("B/Same.url"), QStringLiteral("b"));
    Shortcut(QStringLiteral("Clash.url"), QStringLiteral("c"));
    Folder(QStringLiteral("Clash_URL"));

    EXPECT_EQ(Scan(), (QStringList{kRoot, Line("R", "Clash_URL", "Clash", "c"), Line("R", "A", "A"),
                                   Line("A", "Same_URL", "Same", "a"), Line("A", "Shared", "Shared"),
                                   Line("Shared", "First_URL", "First", "1"),
                                   Line("Shared", "Second_URL", "Second", "2"), Line("R", "B", "B")}));
}

TEST_F(FavouritesScanTest, ShallowFavouritesFolderPutsSecondLevelFoldersUnderTheRoot)
{
    UseFavourites(QStringLiteral("Fav"));
    Folder(QStringLiteral("A/B"));
    Shortcut(QStringLiteral("A/InA.url"), QStringLiteral("a"));
    Shortcut(QStringLiteral("A/B/InB.url"), QStringLiteral("b"));
    Folder(QStringLiteral("C"));
    Shortcut(QStringLiteral("C/InC.url"), QStringLiteral("c"));

    EXPECT_EQ(Scan(),
              (QStringList{kRoot, Line("R", "A", "A"), Line("A", "InA_URL", "InA", "a"), Line("R", "B", "B"),
                           Line("B", "InB_URL", "InB", "b"), Line("R", "C", "C"), Line("C", "InC_URL", "InC", "c")}));
}

TEST_F(FavouritesScanTest, DepthOutsideTheTableIsKeptInsideIt)
{
    // Favourites at a drive's root (depth -1) and folders far deeper than 200 levels.
    t.system.favorites = QStringLiteral("C:\\");
    QString deep = QStringLiteral("C/Top");
    for (int level = 0; level < 230; ++level)
        deep += QStringLiteral("/d%1").arg(level);
    QDir().mkpath(t.host(deep));
    t.WriteHostFile(deep + QStringLiteral("/Bottom.url"), "[InternetShortcut]\r\nURL=x\r\n");

    Scan();
    EXPECT_TRUE(completed);
    EXPECT_TRUE(tree.Find(QStringLiteral("Top")));
    EXPECT_TRUE(tree.Find(QStringLiteral("Bottom_URL")));
    EXPECT_GE(state().Depth, 0);
}

TEST_F(FavouritesScanTest, LinkBackIntoTheWalkIsNotEnteredAgain)
{
    Folder(QStringLiteral("A/B"));
    Shortcut(QStringLiteral("A/B/Deep.url"), QStringLiteral("d"));
    ASSERT_TRUE(QFile::link(HostOf(QStringLiteral("A")), HostOf(QStringLiteral("A/B/Back"))));
    Folder(QStringLiteral("Later"));

    EXPECT_EQ(Scan(), (QStringList{kRoot, Line("R", "A", "A"), Line("A", "B", "B"), Line("B", "Deep_URL", "Deep", "d"),
                                   Line("B", "Back", "Back"), Line("R", "Later", "Later")}));
}

TEST_F(FavouritesScanTest, UnreadableFolderGetsItsNodeWithoutChildren)
{
    Folder(QStringLiteral("Locked/Inner"));
    Shortcut(QStringLiteral("Locked/Hidden.url"), QStringLiteral("h"));
    Folder(QStringLiteral("Open"));
    Shortcut(QStringLiteral("Open/Seen.url"), QStringLiteral("s"));
    QFile::setPermissions(HostOf(QStringLiteral("Locked")), QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(Scan(), (QStringList{kRoot, Line("R", "Locked", "Locked"), Line("R", "Open", "Open"),
                                   Line("Open", "Seen_URL", "Seen", "s")}));
    QFile::setPermissions(HostOf(QStringLiteral("Locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(FavouritesScanTest, HiddenFolderAndItsContentsStayOutAndSiblingsKeepTheirPlace)
{
    Folder(QStringLiteral("A/.cache/News"));
    Shortcut(QStringLiteral("A/.cache/Secret.url"), QStringLiteral("x"));
    Shortcut(QStringLiteral("A/.cache/News/Deeper.url"), QStringLiteral("y"));
    Folder(QStringLiteral("A/Zed"));
    Shortcut(QStringLiteral("A/Zed/InZed.url"), QStringLiteral("z"));
    Folder(QStringLiteral(".top"));
    Folder(QStringLiteral("B"));
    // Inside a hidden folder, a name already in the tree must not pull its contents into view.
    Shortcut(QStringLiteral("B/.more/Zed/Leak.url"), QStringLiteral("leak"));

    EXPECT_EQ(Scan(), (QStringList{kRoot, Line("R", "A", "A"), Line("A", "Zed", "Zed"),
                                   Line("Zed", "InZed_URL", "InZed", "z"), Line("R", "B", "B")}));
}

TEST_F(FavouritesScanTest, MissingFavouritesFolderShowsTheCallersMessageAndClosesTheBrowserWindow)
{
    struct Case {
        FavouritesScan::Caller caller;
        QString title;
        QString text;
    };
    const Case cases[] = {
        {FavouritesScan::Caller::WindowLoad, QStringLiteral("Errore di accesso"),
         QStringLiteral(" Non trovo la directory preferiti! Questo programma richiede MicroSoft Internet Explorer "
                        "installato. Il programma verra chiuso!")},
        {FavouritesScan::Caller::RescanKey, QStringLiteral("Errore"),
         QStringLiteral(" Non trovo ila cartella preferiti Richiesto Microsoft's Internet Explorer Installato!")},
    };
    t.system.favorites.clear();
    FakeBrowserWindow& browser = t.UseFakeBrowserWindow();
    for (const Case& c : cases) {
        t.ui.boxes.clear();
        EXPECT_EQ(Scan(c.caller), QStringList{kRoot});
        EXPECT_FALSE(completed);
        ASSERT_EQ(t.ui.boxes.size(), 1u);
        EXPECT_EQ(t.ui.boxes[0].text, c.text);
        EXPECT_EQ(t.ui.boxes[0].title, c.title);
        EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::Stop);
        EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(browser.closed, 2); // its closing step ends the program
    EXPECT_EQ(t.ui.ended, 0);
}

TEST_F(FavouritesScanTest, ProfileGetItemReadsShortcutFilesAndGivesEmptyForNothing)
{
    File(QStringLiteral("Quoted.url"),
         "\xEF\xBB\xBF[InternetShortcut]\r\nURL = \"file:///C:/HOME-PAG/INIZIO.HTM\"\r\n");
    const QString folder = QStringLiteral("C:\\WINDOWS\\Favorites\\");
    const QString section = QStringLiteral("InternetShortcut");
    EXPECT_EQ(scan.ProfileGetItem(section, QStringLiteral("URL"), {}, folder + QStringLiteral("Quoted.url")),
              QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
    EXPECT_EQ(scan.ProfileGetItem(section, QStringLiteral("URL"), QStringLiteral("def"),
                                  folder + QStringLiteral("None.url")),
              QStringLiteral("def"));
    EXPECT_EQ(scan.ProfileGetItem(section, QStringLiteral("Icon"), {}, folder + QStringLiteral("Quoted.url")),
              QString());
}

} // namespace
