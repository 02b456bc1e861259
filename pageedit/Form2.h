#pragma once
#include "app/Form.h"

class QPushButton;

// The edit menu of the page on display.
class Form2 : public Form {
    Q_OBJECT
public:
    explicit Form2(Program& program);

    QPushButton* Command1 = nullptr; // "Modifica sfondo della pagina": the background chooser, modal
    QPushButton* Command2 = nullptr; // "Crea una scritta": the banner creator
    QPushButton* Command4 = nullptr; // "Collega un'altra pagina": the link creator
    QPushButton* Command3 = nullptr; // "F I N E": closes the menu

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
};
