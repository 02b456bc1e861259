#pragma once
#include "startup/Form.h"

// The edit menu of the page on display.
class Form2 : public Form {
    Q_OBJECT
public:
    explicit Form2(Program& program);
};
