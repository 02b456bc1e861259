#include "frmBrowser.h"

QString frmBrowser::VisitedSitesPath() const { return {}; }
void frmBrowser::MergeVisitedSites() {}
void frmBrowser::RewriteVisitedSites() {}
void frmBrowser::EditVisitedSites() {}
void frmBrowser::Command2_Click() { MergeVisitedSites(); }
void frmBrowser::Command5_Click() { EditVisitedSites(); }
