#pragma once
#include <QComboBox>

// The address box: an editable combo box that reports a pick from its list apart from the keys
// typed into its edit field. Enter is a typed key, never a pick; leaving the box picks nothing.
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

signals:
    // An entry chosen from the list, with the mouse or the arrow keys.
    void picked();
    // A key typed while the box has the focus, as its character code (Enter is 13).
    void keyTyped(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool leaving_ = false;
    bool typed_ = false;
};
