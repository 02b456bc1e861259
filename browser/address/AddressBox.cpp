#include "AddressBox.h"

#include "AddressListModel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

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
    if (fill_) {
        for (const QString& entry : entries)
            waiting_.push_back({entry, false});
        return;
    }
    for (const QString& entry : entries)
        listed_.Add(entry);
    AppendTaken(entries);
}

void AddressBox::AppendUnlisted(const QString& text)
{
    if (fill_)
        waiting_.push_back({text, true});
    else if (!listed_.Holds(text))
        Append({text});
}

bool AddressBox::Lists(const QString& text)
{
    FinishFilling();
    return listed_.Holds(text);
}

void AddressBox::AppendTaken(const QStringList& entries)
{
    // The first entry of an empty list would otherwise replace the text in the edit field.
    const QString edited = currentText();
    model_->Append(entries);
    if (currentText() != edited)
        setEditText(edited);
}

const QStringList& AddressBox::Entries()
{
    FinishFilling();
    return model_->Entries();
}

void AddressBox::FillInPieces(FillPiece piece)
{
    FinishFilling(); // one fill at a time, in the order they were asked for
    fill_ = std::move(piece);
}

void AddressBox::GoOnFilling()
{
    if (!fill_ || pieceDue_)
        return;
    pieceDue_ = true;
    // A zero timer runs once the events already waiting are handled: the page paints between pieces.
    QTimer::singleShot(0, this, &AddressBox::NextPiece);
}

void AddressBox::NextPiece()
{
    pieceDue_ = false;
    if (!fill_)
        return;
    if (fill_(false))
        EndFill();
    else
        GoOnFilling();
}

void AddressBox::FinishFilling()
{
    if (!fill_)
        return;
    fill_(true);
    EndFill();
}

void AddressBox::StopFilling()
{
    fill_ = nullptr;
    waiting_.clear();
}

void AddressBox::EndFill()
{
    fill_ = nullptr;
    std::vector<Waiting> waiting;
    waiting.swap(waiting_);
    for (const Waiting& later : waiting) {
        if (later.unlessListed)
            AppendUnlisted(later.entry);
        else
            Append({later.entry});
    }
}

void AddressBox::showPopup()
{
    FinishFilling();
    QComboBox::showPopup();
}

void AddressBox::keyPressEvent(QKeyEvent* event)
{
    FinishFilling(); // the arrow keys walk the list
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

void AddressBox::wheelEvent(QWheelEvent* event)
{
    FinishFilling(); // the wheel walks the list too
    QComboBox::wheelEvent(event);
}

void AddressBox::focusOutEvent(QFocusEvent* event)
{
    // The edit field finishes its edit as the focus leaves, and the box then picks the listed entry
    // equal to the text: that is no choice of the user's.
    leaving_ = true;
    QComboBox::focusOutEvent(event);
    leaving_ = false;
}
