#pragma once
#include <QWebEngineUrlRequestInterceptor>

class FileSystem;
class QWebEngineProfile;
class QWebEngineScript;

// Local pages write addresses in Windows form ("file://C:\HOME-PAG\X.HTM", "C:\HOME-PAG\X.HTM");
// these parts let the engine find them through the drive map, for local pages only.

// The drive letters as address schemes ("C:\X.HTM" reads as scheme "c"), so that the engine
// hands such addresses on instead of dropping them; only before the application object exists.
void RegisterDriveSchemes();

// Handlers of those schemes on a profile, once for each drive the map has as a page is made: the
// engine prepares every handled scheme for each navigation and frame, and a letter with no drive
// leads nowhere with or without one. They refuse whatever the interceptor below did not send on
// to a file, so nothing is ever read through them.
void InstallDriveSchemeHandlers(QWebEngineProfile& profile, FileSystem& fs);

// Sends the requests made for a local page (by the page, or by the program) for drive addresses
// to the mapped host file. A web page's requests, and its server's redirects, are left alone: the
// engine keeps them from local files, and so does this.
class DriveAddressInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    DriveAddressInterceptor(FileSystem& fs, QObject* parent);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    FileSystem& fs_;
};

// A script for local pages. The engine reads "file://C:\X" as a file on a host named "c:" and
// drops it before the interceptor sees it; the script rewrites such addresses (and "C:\X") in
// links, sources, backgrounds and form actions to "file:///C:/X" as the document is built.
QWebEngineScript DriveAddressScript();
