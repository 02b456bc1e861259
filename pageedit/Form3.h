#pragma once
#include "MarkupForm.h"

// The text banner creator: a normal aligned paragraph or a scrolling banner.
class Form3 : public MarkupForm {
    Q_OBJECT
public:
    explicit Form3(Program& program);

    QGroupBox* Frame1 = nullptr; // "Tipo scritta"
    // "Normale" (at start): an aligned paragraph; "Scorrevole": a scrolling banner on the
    // background colour Text2[1], without alignment.
    std::array<QRadioButton*, 2> Option1{};

    void Option1_Click(int index);
    void Command1_Click() override;
};
