#pragma once
#include <QWebEnginePage>

class FileSystem;
class QWebEngineNewWindowRequest;
class QWebEngineUrlRequestInterceptor;

// A page whose local documents reach the addresses they write in Windows form through the
// drive map, as the program reaches its own.
class DriveAddressPage : public QWebEnginePage {
    Q_OBJECT
public:
    DriveAddressPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent);

    // Shows the new window a page asked for; the engine's own contents for it get this page's
    // handling of drive addresses too.
    void OpenIn(QWebEngineNewWindowRequest& request);

private:
    QWebEngineUrlRequestInterceptor* interceptor_;
};
