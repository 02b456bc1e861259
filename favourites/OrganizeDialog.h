#pragma once
#include <QDialog>
#include <QSet>
#include <QString>

class Program;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Lets the user rearrange the Favourites folder: its folders and shortcut files as a tree, with
// new folder, rename, delete to the desktop's trash (after a question) and move by drag and drop.
// Every change goes straight to the files; the favourites viewer's tree is left as it is.
class OrganizeDialog : public QDialog {
    Q_OBJECT
public:
    OrganizeDialog(Program& program, QString favouritesFolder, QWidget* parent = nullptr);

    QTreeWidget* tvwPreferiti = nullptr;
    QPushButton* cmdNuovaCartella = nullptr;
    QPushButton* cmdRinomina = nullptr;
    QPushButton* cmdElimina = nullptr;
    QPushButton* cmdChiudi = nullptr;

    void cmdNuovaCartella_Click();
    void cmdRinomina_Click();
    void cmdElimina_Click();
    void cmdChiudi_Click();
    // Moves a file or folder into a folder; false (with a message) when it cannot.
    bool MoveEntry(const QString& entryPath, const QString& targetFolder);
    // Lists the folder again, keeping open the folders that were open.
    void Reload();

    // The Windows-form path of the entry a row shows.
    static QString PathOf(const QTreeWidgetItem& row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FillFolder(QTreeWidgetItem* parent, const QString& folder, QSet<QString>& foldersOnPath);
    QTreeWidgetItem* AddRow(QTreeWidgetItem* parent, const QString& name, const QString& path, bool isFolder);
    void tvwPreferiti_ItemChanged(QTreeWidgetItem* row);
    // The folder a new entry or a dropped one goes to, given the row under it.
    QString FolderFor(const QTreeWidgetItem* row) const;
    QTreeWidgetItem* FindRow(const QString& path) const;
    void Complain(const QString& text);

    Program& program_;
    QString favouritesFolder_;
};
