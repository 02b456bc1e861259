#include "OrganizeDialog.h"

#include "FavouritesText.h"
#include "FavouritesTree.h"
#include "app/Program.h"
#include "app/WindowsPath.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/system/UiServices.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;
const QString kTitle = QStringLiteral("Organizza Preferiti");

bool IsFolderRow(const QTreeWidgetItem* row) { return row && row->data(0, kFolderRole).toBool(); }

// A name that Windows would take for one file or folder.
bool IsValidName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    if (name.trimmed().isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name)
        if (forbidden.contains(c) || c.unicode() < 32)
            return false;
    return true;
}

} // namespace

OrganizeDialog::OrganizeDialog(Program& program, QString favouritesFolder, QWidget* parent)
    : QDialog(parent), program_(program), favouritesFolder_(std::move(favouritesFolder))
{
    if (favouritesFolder_.endsWith(u'\\'))
        favouritesFolder_.chop(1);
    CreateControls();
    Reload();
}

void OrganizeDialog::CreateControls()
{
    setObjectName(QStringLiteral("OrganizeDialog"));
    setWindowTitle(kTitle);
    resize(520, 380);

    tvwPreferiti = new QTreeWidget(this);
    tvwPreferiti->setObjectName(QStringLiteral("tvwPreferiti"));
    tvwPreferiti->setHeaderHidden(true);
    tvwPreferiti->setIconSize(QSize(16, 16));
    tvwPreferiti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvwPreferiti->setDragDropMode(QAbstractItemView::DragDrop);
    tvwPreferiti->setDefaultDropAction(Qt::MoveAction);
    tvwPreferiti->viewport()->installEventFilter(this);
    connect(tvwPreferiti, &QTreeWidget::itemChanged, this, &OrganizeDialog::tvwPreferiti_ItemChanged);

    const auto makeButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    cmdNuovaCartella = makeButton("cmdNuovaCartella", QStringLiteral("Nuova cartella"));
    cmdRinomina = makeButton("cmdRinomina", QStringLiteral("Rinomina"));
    cmdElimina = makeButton("cmdElimina", QStringLiteral("Elimina"));
    cmdChiudi = makeButton("cmdChiudi", QStringLiteral("Chiudi"));
    connect(cmdNuovaCartella, &QPushButton::clicked, this, &OrganizeDialog::cmdNuovaCartella_Click);
    connect(cmdRinomina, &QPushButton::clicked, this, &OrganizeDialog::cmdRinomina_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &OrganizeDialog::cmdElimina_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &OrganizeDialog::cmdChiudi_Click);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdNuovaCartella, cmdRinomina, cmdElimina})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tvwPreferiti, 1);
    layout->addLayout(buttons);
}

QString OrganizeDialog::PathOf(const QTreeWidgetItem& row) { return row.data(0, kPathRole).toString(); }

void OrganizeDialog::Reload()
{
    QSet<QString> open;
    for (QTreeWidgetItemIterator it(tvwPreferiti); *it; ++it)
        if ((*it)->isExpanded())
            open.insert(PathOf(**it));
    const QTreeWidgetItem* current = tvwPreferiti->currentItem();
    const QString currentPath = current ? PathOf(*current) : QString();

    const QSignalBlocker quiet(tvwPreferiti);
    tvwPreferiti->clear();
    QSet<QString> foldersOnPath;
    FillFolder(nullptr, favouritesFolder_, foldersOnPath);
    for (QTreeWidgetItemIterator it(tvwPreferiti); *it; ++it)
        (*it)->setExpanded(open.contains(PathOf(**it)));
    if (QTreeWidgetItem* row = FindRow(currentPath))
        tvwPreferiti->setCurrentItem(row);
}

void OrganizeDialog::FillFolder(QTreeWidgetItem* parent, const QString& folder, QSet<QString>& foldersOnPath)
{
    FileSystem& fs = program_.fs();
    // A link leading back to a folder above would make the listing endless.
    const QString identity = fs.FolderIdentity(folder);
    if (!identity.isEmpty() && foldersOnPath.contains(identity))
        return;
    foldersOnPath.insert(identity);
    const auto entries = fs.List(AddBackslash(folder), QStringLiteral("*.*"));
    for (const DirEntry& entry : entries.value_or(std::vector<DirEntry>{})) {
        const QString path = JoinPath(folder, entry.name);
        if (entry.isDirectory && !entry.isHidden)
            FillFolder(AddRow(parent, entry.name, path, true), path, foldersOnPath);
        else if (!entry.isDirectory && entry.name.endsWith(QStringLiteral(".url"), Qt::CaseInsensitive))
            AddRow(parent, entry.name, path, false);
    }
    foldersOnPath.remove(identity);
}

QTreeWidgetItem* OrganizeDialog::AddRow(QTreeWidgetItem* parent, const QString& name, const QString& path,
                                        bool isFolder)
{
    auto* row = new QTreeWidgetItem(QStringList{name});
    row->setData(0, kPathRole, path);
    row->setData(0, kFolderRole, isFolder);
    row->setIcon(0, FavouritesTree::ImageListIcon(isFolder ? FavouritesTree::CloseFolder : FavouritesTree::URL));
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
                  | (isFolder ? Qt::ItemIsDropEnabled : Qt::NoItemFlags));
    if (parent)
        parent->addChild(row);
    else
        tvwPreferiti->addTopLevelItem(row);
    return row;
}

QString OrganizeDialog::FolderFor(const QTreeWidgetItem* row) const
{
    if (!row)
        return favouritesFolder_;
    return IsFolderRow(row) ? PathOf(*row) : ParentFolder(PathOf(*row));
}

QTreeWidgetItem* OrganizeDialog::FindRow(const QString& path) const
{
    for (QTreeWidgetItemIterator it(tvwPreferiti); *it; ++it)
        if (!path.isEmpty() && PathOf(**it) == path)
            return *it;
    return nullptr;
}

void OrganizeDialog::Complain(const QString& text)
{
    program_.ui().Beep();
    program_.ui().MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
}

void OrganizeDialog::cmdNuovaCartella_Click()
{
    FileSystem& fs = program_.fs();
    const QString folder = FolderFor(tvwPreferiti->currentItem());
    QSet<QString> taken;
    for (const DirEntry& entry : fs.List(AddBackslash(folder), QStringLiteral("*.*")).value_or(std::vector<DirEntry>{}))
        taken.insert(entry.name.toLower());
    QString name = QStringLiteral("Nuova cartella");
    for (int n = 2; taken.contains(name.toLower()); ++n)
        name = QStringLiteral("Nuova cartella (%1)").arg(n);
    const QString path = JoinPath(folder, name);
    try {
        fs.MakeFolder(path);
    } catch (const VbError&) {
        Complain(QStringLiteral("Non riesco a creare la cartella  ") + name + QStringLiteral("  !!!"));
        return;
    }
    Reload();
    if (QTreeWidgetItem* row = FindRow(path)) {
        tvwPreferiti->setCurrentItem(row);
        tvwPreferiti->editItem(row); // the user names it at once
    }
}

void OrganizeDialog::cmdRinomina_Click()
{
    if (QTreeWidgetItem* row = tvwPreferiti->currentItem())
        tvwPreferiti->editItem(row);
}

void OrganizeDialog::tvwPreferiti_ItemChanged(QTreeWidgetItem* row)
{
    const QString from = PathOf(*row);
    const QString name = row->text(0);
    if (name == SplitPath(from).name)
        return;
    if (!IsValidName(name)) {
        Complain(QStringLiteral("Nome non valido:  ") + name + QStringLiteral("  !!!"));
    } else {
        try {
            program_.fs().Rename(from, JoinPath(ParentFolder(from), name));
        } catch (const VbError&) {
            Complain(QStringLiteral("Non riesco a rinominare  ") + SplitPath(from).name + QStringLiteral("  !!!"));
        }
    }
    // Deferred: the row may still be in the middle of its edit.
    QTimer::singleShot(0, this, &OrganizeDialog::Reload);
}

void OrganizeDialog::cmdElimina_Click()
{
    const QTreeWidgetItem* row = tvwPreferiti->currentItem();
    if (!row)
        return;
    const QString path = PathOf(*row);
    const QString name = SplitPath(path).name;
    const auto confirmed = [this](const QString& question, MsgButtons buttons) {
        return program_.ui().MsgBox(question, buttons, MsgIcon::Exclamation, kTitle) == MsgAnswer::Yes;
    };
    if (!confirmed(QStringLiteral("Confermi lo spostamento di  ") + name + QStringLiteral("  nel Cestino ?"),
                   MsgButtons::YesNo))
        return;
    try {
        // Where there is no trash, only a second answer deletes it for good.
        if (!program_.fs().MoveToTrash(path)
            && confirmed(QStringLiteral("L'eliminazione di  ") + name
                             + QStringLiteral(
                                 "  sarà definitiva: qui non c'è un Cestino.\r\rConfermi l'eliminazione ?"),
                         MsgButtons::YesNoDefaultNo))
            program_.fs().RemoveTree(path);
    } catch (const VbError&) {
        Complain(QStringLiteral("Non riesco ad eliminare  ") + name + QStringLiteral("  !!!"));
    }
    Reload();
}

void OrganizeDialog::cmdChiudi_Click() { hide(); }

bool OrganizeDialog::MoveEntry(const QString& entryPath, const QString& targetFolder)
{
    if (ParentFolder(entryPath) == targetFolder)
        return false; // already there
    if (AddBackslash(targetFolder).startsWith(AddBackslash(entryPath))) {
        Complain(QStringLiteral("Non posso spostare una cartella dentro se stessa  !!!"));
        return false;
    }
    try {
        program_.fs().Rename(entryPath, JoinPath(targetFolder, SplitPath(entryPath).name));
    } catch (const VbError&) {
        Complain(QStringLiteral("Non riesco a spostare  ") + SplitPath(entryPath).name + QStringLiteral("  !!!"));
        return false;
    }
    return true;
}

bool OrganizeDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != tvwPreferiti->viewport() || event->type() != QEvent::Drop)
        return QDialog::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QTreeWidgetItem* dragged = tvwPreferiti->currentItem();
    if (dragged && drop->source() == tvwPreferiti) {
        const QTreeWidgetItem* under = tvwPreferiti->itemAt(drop->position().toPoint());
        if (MoveEntry(PathOf(*dragged), FolderFor(under)))
            QTimer::singleShot(0, this, &OrganizeDialog::Reload); // not while the drag is unwinding
    }
    // The files moved, not the rows: the view must not move or remove anything itself.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    return true;
}
