#include "Test_URL.h"

#include <QListWidget>

Test_URL::Test_URL(Program& program) : Form(program), List1(new QListWidget(this)) {}
