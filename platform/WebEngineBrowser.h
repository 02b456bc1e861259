#pragma once
#include "WebBrowser.h"

#include <QObject>

class FileSystem;

// The web-browser control over Qt WebEngine.
class WebEngineBrowser : public QObject, public WebBrowser {
    Q_OBJECT
public:
    WebEngineBrowser(FileSystem& fs, QWidget* parent);
    ~WebEngineBrowser() override;

    QWidget* widget() override;
    void setEvents(WebBrowserEvents* events) override;
    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    QString LocationURL() const override;
    QString LocationName() const override;
    bool Busy() const override;

private:
    FileSystem& fs_;
    QWidget* view_ = nullptr;
    WebBrowserEvents* events_ = nullptr;
};

// Must run before the application object exists: disables the engine's sandbox as root
// and the GPU where none is usable.
void PrepareWebEngineEnvironment();
