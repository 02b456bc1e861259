#include "frmBrowser.h"

void frmBrowser::cboAddress_Click() {}
void frmBrowser::cboAddress_KeyPress(int) {}
void frmBrowser::tbToolBar_ButtonClick(const QString&) {}
