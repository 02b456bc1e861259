#include "VindrelPage.h"

VindrelPage::VindrelPage(QWebEngineProfile* profile, Owner& owner, QObject* parent)
    : QWebEnginePage(profile, parent), owner_(owner)
{
}

bool VindrelPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return owner_.AcceptNavigation(url, type, isMainFrame);
}

QWebEnginePage* VindrelPage::createWindow(WebWindowType)
{
    return owner_.CreatePopup();
}
