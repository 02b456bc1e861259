#pragma once
#include "app/Form.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The colour picker: red, green and blue bars plus a brightness offset; the colour is written
// as "#RRGGBB" into the colour box FORM_COLORE and INDICE_COLORE name, at every change.
class Colore : public Form {
    Q_OBJECT
public:
    explicit Colore(Program& program);

    QLabel* Picture1 = nullptr;     // the preview
    QScrollBar* VScroll1 = nullptr; // red, 0 to 255
    QScrollBar* VScroll2 = nullptr; // green
    QScrollBar* VScroll3 = nullptr; // blue
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtROSSO = nullptr;
    QLineEdit* txtVERDE = nullptr;
    QLineEdit* txtBLU = nullptr;
    QScrollBar* HScroll1 = nullptr; // "Luminosita'": the offset L, -255 to 255, added to all three
    QLineEdit* txtLUCE = nullptr;
    QPushButton* Command1 = nullptr; // "Conferma": writes the colour once more and closes
    QPushButton* Command2 = nullptr; // "Annulla": closes; the box keeps the colour last written

    void SETTA_COLORI();

    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void HScroll1_Change();
    void Command1_Click();
    void Command2_Click();

    std::int16_t R = 0, G = 0, B = 0, L = 0; // the colour shown, after the offset L and clamping

protected:
    void Form_Load() override;

private:
    void WriteToTarget();
};
