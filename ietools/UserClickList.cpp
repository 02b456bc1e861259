#include "UserClickList.h"

#include <QKeyEvent>

UserClickList::UserClickList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &UserClickList::OnItemClicked);
}

void UserClickList::OnItemClicked(QListWidgetItem*) { emit Click(); }

void UserClickList::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit Click();
}
