#include "frmBrowser.h"

void frmBrowser::PercentBar(std::int32_t, std::int32_t) {}
void frmBrowser::BeforeNavigate2(const QString&, bool&) {}
void frmBrowser::NewWindow2(bool&) {}
void frmBrowser::NavigateComplete2() {}
void frmBrowser::DocumentComplete(const QString&) {}
void frmBrowser::DownloadBegin() {}
void frmBrowser::DownloadComplete() {}
void frmBrowser::ProgressChange(std::int32_t, std::int32_t) {}
void frmBrowser::StatusTextChange(const QString&) {}
void frmBrowser::TitleChange(const QString&) {}
void frmBrowser::FileDownload(bool&) {}
void frmBrowser::ClientToHostWindow() {}
