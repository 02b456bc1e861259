#pragma once
#include "app/Form.h"

class QPushButton;

// The edit menu of the page on display.
class Form2 : public Form {
    Q_OBJECT
public:
    explicit Form2(Program& program);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
};
