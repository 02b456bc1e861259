#pragma once
#include "MarkupForm.h"
#include "platform/system/UiServices.h"

// The link creator: a line of text that links to another local page.
class Form4 : public MarkupForm {
    Q_OBJECT
public:
    explicit Form4(Program& program);

    QLabel* Label4 = nullptr;
    QLineEdit* txtPAG_COLLEGATA = nullptr; // "Pagina collegata:": the path the link leads to
    QPushButton* Command4 = nullptr;       // "...": a file dialog on the home folder's *.HTM
    FileDialogRequest CommonDialog1;

    void Command4_Click();
    void Command1_Click() override;
};
