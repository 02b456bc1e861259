#include "DriveAddressPage.h"

#include "DriveAddresses.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineScriptCollection>

DriveAddressPage::DriveAddressPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent)
    // A child, so that it outlives the engine's last use of it while the page goes.
    : QWebEnginePage(profile, parent), interceptor_(new DriveAddressInterceptor(fs, this))
{
    InstallDriveSchemeHandlers(*this->profile(), fs);
    setUrlRequestInterceptor(interceptor_);
    scripts().insert(DriveAddressScript());
}

void DriveAddressPage::OpenIn(QWebEngineNewWindowRequest& request)
{
    request.openIn(this);
    // The contents taken over come without the page's interceptor.
    setUrlRequestInterceptor(interceptor_);
}
