#include "QtUiServices.h"

QtUiServices::QtUiServices(FileSystem& fs) : fs_(fs) {}

int QtUiServices::MsgBox(const QString&, MsgButtons, MsgIcon, const QString&) { return MsgAnswer::Ok; }
void QtUiServices::Beep() {}
void QtUiServices::SetHourglass(bool busy) { hourglass_ = busy; }
void QtUiServices::DoEvents() {}
void QtUiServices::Pause() {}
void QtUiServices::RunModal(QWidget&) {}
QString QtUiServices::OpenFileDialog(QWidget*, const FileDialogRequest& request) { return request.fileName; }
void QtUiServices::EndProgram(bool) {}
