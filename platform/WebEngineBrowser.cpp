#include "WebEngineBrowser.h"

#include "VbError.h"

#include <QWidget>

WebEngineBrowser::WebEngineBrowser(FileSystem& fs, QWidget* parent) : fs_(fs), view_(new QWidget(parent)) {}
WebEngineBrowser::~WebEngineBrowser() = default;

QWidget* WebEngineBrowser::widget() { return view_; }
void WebEngineBrowser::setEvents(WebBrowserEvents* events) { events_ = events; }
void WebEngineBrowser::Navigate(const QString&) { throw VbError::fileNotFound(); }
void WebEngineBrowser::GoBack() {}
void WebEngineBrowser::GoForward() {}
void WebEngineBrowser::GoHome() {}
void WebEngineBrowser::GoSearch() {}
void WebEngineBrowser::Refresh() {}
void WebEngineBrowser::Stop() {}
QString WebEngineBrowser::LocationURL() const { return {}; }
QString WebEngineBrowser::LocationName() const { return {}; }
bool WebEngineBrowser::Busy() const { return false; }

void PrepareWebEngineEnvironment() {}
