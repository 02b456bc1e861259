#include "AddressBox.h"

#include "AddressListModel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent), model_(new AddressListModel(this))
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
    setModel(model_);
    // Every entry is one line of text: the drop-down need not measure each of a long history.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    // Entries go away only when the whole box is cleared: the index then starts afresh from
    // what is left.
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        listed_ = AddressIndex();
        for (const QString& entry : model_->Entries())
            listed_.Add(entry);
    });
}

void AddressBox::ShowAddress(const QString& address)
{
    typed_ = false;
    const bool wholeSelected = hasFocus() && !currentText().isEmpty() && lineEdit()->selectedText() == currentText();
    setEditText(address);
    if (wholeSelected)
        lineEdit()->selectAll();
}

void AddressBox::Append(const QStringList& entries)
{
    for (const QString& entry : entries)
        listed_.Add(entry);
    AppendTaken(entries);
}

void AddressBox::AppendTaken(const QStringList& entries)
{
    // The first entry of an empty list would otherwise replace the text in the edit field.
    const QString edited = currentText();
    model_->Append(entries);
    if (currentText() != edited)
        setEditText(edited);
}

const QStringList& AddressBox::Entries() const { return model_->Entries(); }

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
