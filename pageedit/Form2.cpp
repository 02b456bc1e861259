#include "Form2.h"

Form2::Form2(Program& program) : Form(program) {}
