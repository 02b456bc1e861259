#pragma once
#include "app/Form.h"

class QListWidget;
class QPushButton;

// The IE windows list: one entry per running Internet Explorer process.
class Test_URL : public Form {
    Q_OBJECT
public:
    explicit Test_URL(Program& program);

    QListWidget* List1 = nullptr;

    void Command1_Click(); // "Aggiorna elenco": the refresh
    void Command2_Click(); // "Info ?"
    void Command3_Click(); // "F I N E"
    void Command4_Click(); // "Cancella tutte le finestre IE"
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
