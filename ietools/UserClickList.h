#pragma once
#include <QListWidget>

// A list box whose Click comes from the user only: a mouse click on an entry, or a keyboard move
// of the selection. Filling or clearing the list from code raises nothing.
class UserClickList : public QListWidget {
    Q_OBJECT
public:
    explicit UserClickList(QWidget* parent);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnItemClicked(QListWidgetItem* item);
};
