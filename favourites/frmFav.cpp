#include "frmFav.h"

frmFav::frmFav(Program& program) : Form(program) {}
