#include "HostSystemServices.h"

#include "VbError.h"

HostSystemServices::HostSystemServices(FileSystem& fs) : fs_(fs) {}

void HostSystemServices::StartProgram(const QString&) { throw VbError::fileNotFound(); }
void HostSystemServices::OpenWithDefaultApplication(const QString&) { throw VbError::fileNotFound(); }
int HostSystemServices::FindExecutable(const QString&) { return 31; }
QString HostSystemServices::FavoritesFolder() { return {}; }
void HostSystemServices::ClipboardClear() {}
void HostSystemServices::ClipboardSetText(const QString&) {}
QString HostSystemServices::LocalIP() { return QStringLiteral("127.0.0.1"); }
QString HostSystemServices::LocalHostName() { return {}; }
