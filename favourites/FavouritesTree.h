#pragma once
#include <QHash>
#include <QIcon>
#include <QString>
#include <array>

class QTreeWidget;
class QTreeWidgetItem;

// The nodes of the favourites tree, found by key through a hash so that adding a node costs
// the same however large the tree is. Keys compare with regard to case.
class FavouritesTree {
public:
    enum class Kind { Root, Folder, Shortcut };
    // Positions in the image list, as the nodes refer to them.
    enum Image { CloseFolder = 1, OpenFolder = 2, URL = 3 };

    explicit FavouritesTree(QTreeWidget& view);

    void Clear();
    // Adds a node; false, with the tree unchanged, when the key is taken or the parent is missing.
    bool Add(Kind kind, const QString& key, const QString& text, const QString& parentKey, const QString& tag);
    QTreeWidgetItem* Find(const QString& key) const { return byKey_.value(key); }
    static QString Key(const QTreeWidgetItem& node);
    static QString Tag(const QTreeWidgetItem& node);

    // The image list: index 1 to 3.
    static QIcon ImageListIcon(int index);

private:
    QTreeWidget& view_;
    QIcon folderIcon_;
    QIcon shortcutIcon_;
    QHash<QString, QTreeWidgetItem*> byKey_;
};
