#include "VindrelPage.h"

#include "DriveAddresses.h"

#include <QWebEngineScriptCollection>

VindrelPage::VindrelPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent) : QWebEnginePage(profile, parent)
{
    InstallDriveSchemeHandlers(*this->profile());
    // A child, so that it outlives the engine's last use of it while the page goes.
    setUrlRequestInterceptor(new DriveAddressInterceptor(fs, this));
    scripts().insert(DriveAddressScript());
}
