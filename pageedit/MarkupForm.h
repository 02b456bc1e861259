#pragma once
#include "Markup.h"
#include "app/Form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the banner and link windows share: the text, heading, the two colour rows with
// their picker buttons, alignment, bold and italic, "Conferma" and "Annulla".
class MarkupForm : public Form {
    Q_OBJECT
public:
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr; // "Testo scritta :": the text written into the page, as typed
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr; // "Grandezza testo :": its first two characters name the heading
    std::array<QLabel*, 2> Label3{};
    // [0] "Colore testo :" (#FFFF80 at load), [1] "Colore sfondo:" (#000080): any colour text.
    std::array<QLineEdit*, 2> Text2{};
    std::array<QPushButton*, 2> Command3{}; // "...": the colour picker for Text2 of the same index
    QGroupBox* Frame2 = nullptr;            // "Allineamento"
    // "Allinea a sinistra", "… in centro", "… a destra": the paragraph's alignment; left at start.
    std::array<QRadioButton*, 3> Option2{};
    QGroupBox* Frame3 = nullptr;     // "Tipo scrittura"
    QCheckBox* Check1 = nullptr;     // "Grassetto": bold
    QCheckBox* Check2 = nullptr;     // "Corsivo": italic
    QPushButton* Command1 = nullptr; // "Conferma": builds the line and inserts it into the page
    QPushButton* Command2 = nullptr; // "Annulla": closes the window

    void Command3_Click(int index);
    virtual void Command1_Click() = 0;
    void Command2_Click();

protected:
    // colourWindow: the number the colour picker knows this window by; rowsTop: where the
    // heading row starts, in twips, so that a window can put a row of its own above it.
    MarkupForm(Program& program, int colourWindow, int rowsTop);

    void Form_Load() override;
    // The style as the controls show it now.
    TextStyle CurrentStyle() const;
    // Beeps and shows the message when the text is blank.
    bool TextIsGiven();
    // Hands the line to the page rewrite; the window closes once the page is rewritten.
    void InsertIntoPage(const QString& markupLine);

private:
    int colourWindow_;
};
