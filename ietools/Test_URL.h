#pragma once
#include "startup/Form.h"

class QListWidget;
class QPushButton;

// The IE windows list: one entry per running Internet Explorer process.
class Test_URL : public Form {
    Q_OBJECT
public:
    explicit Test_URL(Program& program);

    QListWidget* List1 = nullptr;
};
