#include "frmBrowser.h"

void frmBrowser::timTimer_Timer() {}
