#include "frmBrowser.h"

void frmBrowser::Check2_Click() {}
void frmBrowser::Command1_Click() {}
void frmBrowser::Command3_Click() {}
void frmBrowser::Command4_Click() {}
void frmBrowser::Command6_Click() {}
void frmBrowser::Command7_Click() {}
void frmBrowser::Command8_Click(int) {}
