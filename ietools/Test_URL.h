#pragma once
#include "app/Form.h"

class QListWidget;
class QPushButton;

// The IE windows list: one entry per running Internet Explorer process.
class Test_URL : public Form {
    Q_OBJECT
public:
    explicit Test_URL(Program& program);

    QListWidget* List1 = nullptr; // row r: the process whose id is PID_IE[r + 1]; a click ends it

    void Command1_Click(); // "Aggiorna elenco": the refresh, also after every ending
    void Command2_Click(); // "Info ?": a message box
    void Command3_Click(); // "F I N E": hides the window; its list stays
    void Command4_Click(); // "Cancella tutte le finestre IE": ends each listed process, unasked
    void List1_Click();

protected:
    void Form_Load() override;

private:
    void PauseThenRefresh();

    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
};
