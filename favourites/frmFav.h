#pragma once
#include "startup/Form.h"

// The favourites viewer.
class frmFav : public Form {
    Q_OBJECT
public:
    explicit frmFav(Program& program);
};
