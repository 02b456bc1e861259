#include "AddressBox.h"

#include <QKeyEvent>
#include <QLineEdit>

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr); // the typed text is opened as typed, never completed from the list
    connect(this, &QComboBox::activated, this, [this] {
        if (!leaving_)
            emit picked();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

void AddressBox::ShowAddress(const QString& address)
{
    typed_ = false;
    const bool wholeSelected = hasFocus() && !currentText().isEmpty() && lineEdit()->selectedText() == currentText();
    setEditText(address);
    if (wholeSelected)
        lineEdit()->selectAll();
}

void AddressBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_D && event->modifiers() == Qt::AltModifier) {
        // The window's key for this very box (its text selected), not a letter to type.
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Kept from the edit field: finishing an edit there would pick the listed entry equal to
        // the text, a second navigation.
        event->accept();
        typed_ = false;
        emit keyTyped(kEnterKey);
        return;
    }
    if (!event->text().isEmpty())
        emit keyTyped(event->text().at(0).unicode());
    QComboBox::keyPressEvent(event);
}

void AddressBox::focusOutEvent(QFocusEvent* event)
{
    // The edit field finishes its edit as the focus leaves, and the box then picks the listed entry
    // equal to the text: that is no choice of the user's.
    leaving_ = true;
    QComboBox::focusOutEvent(event);
    leaving_ = false;
}
