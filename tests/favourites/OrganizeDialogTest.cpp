#include "FavouritesFixture.h"
#include "favourites/OrganizeDialog.h"

#include <QPushButton>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

class OrganizeDialogTest : public ::testing::Test, public FavouritesFixture {
protected:
    OrganizeDialogTest()
    {
        // The desktop's trash of a home on the favourites' own volume, in the test's folder.
        for (const char* name : kTrashVariables)
            saved_.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        QDir().mkpath(t.host(QStringLiteral("home")));
        qputenv("HOME", t.host(QStringLiteral("home")).toUtf8());
        qputenv("XDG_DATA_HOME", t.host(QStringLiteral("data")).toUtf8());
        Folder(QStringLiteral("Notizie/Sport"));
        Shortcut(QStringLiteral("Notizie/Rai.url"), QStringLiteral("http://rai/"));
        Shortcut(QStringLiteral("Meteo.url"), QStringLiteral("http://meteo/"));
        File(QStringLiteral("Leggimi.txt"), "x");
        Folder(QStringLiteral(".nascosta"));
        dialog.Reload();
    }
    // Every row as "indent + name", in tree order.
    QStringList Rows() const
    {
        QStringList rows;
        for (QTreeWidgetItemIterator it(dialog.tvwPreferiti); *it; ++it) {
            int depth = 0;
            for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++depth;
            rows << QString(depth * 2, u' ') + (*it)->text(0);
        }
        return rows;
    }
    QTreeWidgetItem* Row(const QString& name) const
    {
        const auto found = dialog.tvwPreferiti->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    QString Windows(const QString& relative) const
    {
        return QStringLiteral("C:\\WINDOWS\\Favorites\\") + QString(relative).replace(u'/', u'\\');
    }

    ~OrganizeDialogTest() override
    {
        for (std::size_t i = 0; i < std::size(kTrashVariables); ++i)
            saved_[i] ? qputenv(kTrashVariables[i], *saved_[i]) : qunsetenv(kTrashVariables[i]);
    }

    OrganizeDialog dialog{*t.program, QStringLiteral("C:\\WINDOWS\\Favorites\\")};
    static constexpr const char* kTrashVariables[] = {"HOME", "XDG_DATA_HOME"};
    std::vector<std::optional<QByteArray>> saved_;
};

TEST_F(OrganizeDialogTest, ListsFoldersAndShortcutsOnly)
{
    EXPECT_EQ(Rows(), (QStringList{"Meteo.url", "Notizie", "  Rai.url", "  Sport"}));
    EXPECT_EQ(OrganizeDialog::PathOf(*Row(QStringLiteral("Rai.url"))), Windows(QStringLiteral("Notizie/Rai.url")));
}

TEST_F(OrganizeDialogTest, NewFolderGoesIntoTheSelectedFolderWithAFreeName)
{
    dialog.tvwPreferiti->setCurrentItem(Row(QStringLiteral("Rai.url")));
    dialog.cmdNuovaCartella->click();
    dialog.tvwPreferiti->setCurrentItem(Row(QStringLiteral("Notizie")));
    dialog.cmdNuovaCartella->click();
    EXPECT_TRUE(QFileInfo(HostOf(QStringLiteral("Notizie/Nuova cartella"))).isDir());
    EXPECT_TRUE(QFileInfo(HostOf(QStringLiteral("Notizie/Nuova cartella (2)"))).isDir());
    EXPECT_TRUE(Row(QStringLiteral("Nuova cartella (2)")));
}

TEST_F(OrganizeDialogTest, RenameChangesTheFileAndRefusesBadNames)
{
    Row(QStringLiteral("Meteo.url"))->setText(0, QStringLiteral("Tempo.url"));
    EXPECT_TRUE(QFile::exists(HostOf(QStringLiteral("Tempo.url"))));
    EXPECT_FALSE(QFile::exists(HostOf(QStringLiteral("Meteo.url"))));
    EXPECT_TRUE(t.ui.boxes.empty());

    for (const QString& bad : {QStringLiteral("a\\b.url"), QStringLiteral("  "), QStringLiteral("Notizie")}) {
        SCOPED_TRACE(bad.toStdString());
        t.ui.boxes.clear();
        QCoreApplication::processEvents(); // the deferred reload after the last rename
        Row(QStringLiteral("Tempo.url"))->setText(0, bad);
        EXPECT_TRUE(QFile::exists(HostOf(QStringLiteral("Tempo.url"))));
        ASSERT_EQ(t.ui.boxes.size(), 1u);
        EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::Exclamation);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Row(QStringLiteral("Tempo.url"))); // the row shows the real name again
    }
}

TEST_F(OrganizeDialogTest, DeleteAsksAndMovesToTheTrash)
{
    dialog.tvwPreferiti->setCurrentItem(Row(QStringLiteral("Notizie")));
    t.ui.answers = {MsgAnswer::No};
    dialog.cmdElimina->click();
    EXPECT_TRUE(QFileInfo(HostOf(QStringLiteral("Notizie/Rai.url"))).exists());
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Confermi lo spostamento di  Notizie  nel Cestino ?"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::YesNo);

    dialog.cmdElimina->click(); // Yes
    EXPECT_FALSE(QFileInfo(HostOf(QStringLiteral("Notizie"))).exists());
    EXPECT_FALSE(Row(QStringLiteral("Notizie")));
    EXPECT_TRUE(t.HostFileExists(QStringLiteral("data/Trash/files/Notizie/Rai.url")));
    EXPECT_TRUE(t.HostFileExists(QStringLiteral("data/Trash/info/Notizie.trashinfo")));
    EXPECT_EQ(t.ui.boxes.size(), 2u);
}

TEST_F(OrganizeDialogTest, WithoutATrashTheQuestionSaysTheDeleteIsForGood)
{
    t.WriteHostFile(QStringLiteral("data"), "no folder can be made here");
    dialog.tvwPreferiti->setCurrentItem(Row(QStringLiteral("Meteo.url")));
    t.ui.answers = {MsgAnswer::Yes, MsgAnswer::No};
    dialog.cmdElimina->click();
    EXPECT_TRUE(QFile::exists(HostOf(QStringLiteral("Meteo.url"))));
    ASSERT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_EQ(
        t.ui.boxes[1].text,
        QStringLiteral(
            "L'eliminazione di  Meteo.url  sarà definitiva: qui non c'è un Cestino.\r\rConfermi l'eliminazione ?"));
    EXPECT_EQ(t.ui.boxes[1].buttons, MsgButtons::YesNoDefaultNo);

    dialog.cmdElimina->click(); // Yes, Yes
    EXPECT_FALSE(QFile::exists(HostOf(QStringLiteral("Meteo.url"))));
    EXPECT_FALSE(Row(QStringLiteral("Meteo.url")));
}

TEST_F(OrganizeDialogTest, MovesRefuseAFolderIntoItselfAndMoveFilesIntoFolders)
{
    EXPECT_FALSE(dialog.MoveEntry(Windows(QStringLiteral("Notizie")), Windows(QStringLiteral("Notizie\\Sport"))));
    EXPECT_TRUE(QFileInfo(HostOf(QStringLiteral("Notizie/Sport"))).isDir());
    EXPECT_EQ(t.ui.boxes.size(), 1u);

    ASSERT_TRUE(dialog.MoveEntry(Windows(QStringLiteral("Meteo.url")), Windows(QStringLiteral("Notizie\\Sport"))));
    dialog.Reload();
    EXPECT_TRUE(QFile::exists(HostOf(QStringLiteral("Notizie/Sport/Meteo.url"))));
    EXPECT_EQ(Rows(), (QStringList{"Notizie", "  Rai.url", "  Sport", "    Meteo.url"}));
}

TEST_F(OrganizeDialogTest, CloseHidesTheDialog)
{
    dialog.show();
    dialog.cmdChiudi->click();
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
