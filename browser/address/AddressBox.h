#pragma once
#include "AddressIndex.h"

#include <QComboBox>

#include <functional>
#include <vector>

class AddressListModel;

// The address box: an editable combo box that reports a pick from its list apart from the keys
// typed into its edit field. Enter is a typed key, never a pick; leaving the box picks nothing.
// Its list is the history of visited addresses, in insertion order and without a size limit,
// with an index of its entries, so that whether an address is listed is known at once.
class AddressBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kEnterKey = 13; // the character code Enter is reported with

    explicit AddressBox(QWidget* parent);

    // The program shows an address in the box. A selection of the whole text (the keys that put
    // the focus here select it) stays selected, so that typing still replaces it.
    void ShowAddress(const QString& address);
    // The user is typing an address not yet opened: the box has the focus and text typed since
    // the program last showed an address or Enter was pressed.
    bool Typing() const { return typed_ && hasFocus(); }

    // Entries go into the list only through here, which keeps the index in step; appending
    // keeps the text being edited.
    void Append(const QStringList& entries);
    // Appends the text unless it is listed (as Lists says).
    void AppendUnlisted(const QString& text);
    // Whether the trimmed text equals an entry, trimmed; an empty text counts as listed.
    bool Lists(const QString& text);
    // For many entries at once: Take says whether an entry is new (to the list and to the
    // entries taken before it) and indexes it; AppendTaken then lists those taken.
    bool Take(const QString& entry) { return listed_.Add(entry); }
    void AppendTaken(const QStringList& entries);
    const QStringList& Entries();

    // A long history fills the list in pieces while the window is in use. `piece` takes in the
    // next entries (through Take and AppendTaken), all that are left when `whole`, and says
    // whether the fill is over. Until it is, what the program appends waits and follows it, as
    // if the fill had been done at once; whatever reads the list, or shows it, ends it first.
    using FillPiece = std::function<bool(bool whole)>;
    void FillInPieces(FillPiece piece);
    // Goes on with the fill, one piece at a time between the window's other work.
    void GoOnFilling();
    void FinishFilling();
    // Drops the fill and what waits for it: for a window that goes.
    void StopFilling();

    void showPopup() override;

signals:
    // An entry chosen from the list, with the mouse or the arrow keys.
    void picked();
    // A key typed while the box has the focus, as its character code (Enter is 13).
    void keyTyped(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void NextPiece();
    void EndFill();

    AddressListModel* model_;
    AddressIndex listed_; // the list's entries, trimmed
    bool leaving_ = false;
    bool typed_ = false;
    FillPiece fill_;        // the fill under way, if any
    bool pieceDue_ = false; // the next piece is queued in the event loop
    struct Waiting {
        QString entry;
        bool unlessListed;
    };
    std::vector<Waiting> waiting_; // appended during the fill, in order
};
