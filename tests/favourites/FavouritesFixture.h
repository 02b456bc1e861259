#pragma once
#include "fakes/TestProgram.h"
#include "favourites/FavouritesTree.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QStringList>
#include <QTreeWidget>

// A program on fakes whose Favourites folder is C:\WINDOWS\Favorites (host C/WINDOWS/Favorites), with
// helpers to lay out shortcut files and to read a tree back as text.
class FavouritesFixture {
public:
    FavouritesFixture() { UseFavourites(QStringLiteral("WINDOWS\\Favorites")); }

    // relative: below drive C ("Users\\Anna\\Favorites").
    void UseFavourites(const QString& relative)
    {
        favourites = QString(relative).replace(u'\\', u'/');
        QDir().mkpath(t.host(QStringLiteral("C/") + favourites));
        t.system.favorites = QStringLiteral("C:\\") + relative;
    }
    // A shortcut file below the Favourites folder ("News/Rai.url").
    void Shortcut(const QString& relative, const QString& address)
    {
        File(relative, "[InternetShortcut]\r\nURL=" + address.toUtf8() + "\r\n");
    }
    void File(const QString& relative, const QByteArray& bytes) { t.WriteHostFile(HostRelative(relative), bytes); }
    void Folder(const QString& relative) { QDir().mkpath(t.host(HostRelative(relative))); }
    QString HostOf(const QString& relative) const { return t.host(HostRelative(relative)); }
    QString HostRelative(const QString& relative) const { return QStringLiteral("C/") + favourites + u'/' + relative; }

    // One line per node, depth first in tree order: "parentKey > key | text | tag".
    static QStringList Dump(const QTreeWidget& view)
    {
        QStringList lines;
        for (int i = 0; i < view.topLevelItemCount(); ++i)
            DumpNode(*view.topLevelItem(i), QStringLiteral("-"), lines);
        return lines;
    }
    static QString Line(const QString& parent, const QString& key, const QString& text, const QString& tag = {})
    {
        return parent + QStringLiteral(" > ") + key + QStringLiteral(" | ") + text + QStringLiteral(" | ") + tag;
    }

    FavouritesState& state() { return t.program->favourites; }

    TestProgram t;
    QString favourites;

private:
    static void DumpNode(const QTreeWidgetItem& node, const QString& parentKey, QStringList& lines)
    {
        const QString key = FavouritesTree::Key(node);
        lines << Line(parentKey, key, node.text(0), FavouritesTree::Tag(node));
        for (int i = 0; i < node.childCount(); ++i)
            DumpNode(*node.child(i), key, lines);
    }
};
