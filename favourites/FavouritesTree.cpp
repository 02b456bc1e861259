#include "FavouritesTree.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

// A small globe: the picture of a web shortcut.
QPixmap DrawShortcutPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 70, 160), 1.2));
    painter.setBrush(QColor(120, 180, 240));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(5, 1.5, 6, 13));
    painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    return picture;
}

QPixmap StylePicture(QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which).pixmap(16, 16); }

} // namespace

FavouritesTree::FavouritesTree(QTreeWidget& view)
    : view_(view), folderIcon_(ImageListIcon(CloseFolder)), shortcutIcon_(ImageListIcon(URL))
{
    // The open-folder picture shows while a folder node is selected.
    folderIcon_.addPixmap(ImageListIcon(OpenFolder).pixmap(16, 16), QIcon::Selected);
}

QIcon FavouritesTree::ImageListIcon(int index)
{
    switch (index) {
    case CloseFolder:
        return QIcon(StylePicture(QStyle::SP_DirClosedIcon));
    case OpenFolder:
        return QIcon(StylePicture(QStyle::SP_DirOpenIcon));
    default:
        return QIcon(DrawShortcutPicture());
    }
}

void FavouritesTree::Clear()
{
    // A rebuild is usually as large as the tree it replaces: keeping room for as many keys spares
    // the index its repeated regrowth, whose cost rises faster than the number of nodes.
    const qsizetype nodes = byKey_.size();
    byKey_.clear();
    byKey_.reserve(nodes);
    view_.clear();
}

bool FavouritesTree::Add(Kind kind, const QString& key, const QString& text, const QString& parentKey,
                         const QString& tag)
{
    if (byKey_.contains(key))
        return false;
    QTreeWidgetItem* parent = nullptr;
    if (kind != Kind::Root) {
        parent = byKey_.value(parentKey);
        if (!parent)
            return false;
    }
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kKeyRole, key);
    node->setIcon(0, kind == Kind::Folder ? folderIcon_ : shortcutIcon_);
    if (kind == Kind::Shortcut)
        node->setData(0, kTagRole, tag);
    if (parent)
        parent->addChild(node);
    else
        view_.addTopLevelItem(node);
    byKey_.insert(key, node);
    return true;
}

QString FavouritesTree::Key(const QTreeWidgetItem& node) { return node.data(0, kKeyRole).toString(); }
QString FavouritesTree::Tag(const QTreeWidgetItem& node) { return node.data(0, kTagRole).toString(); }
