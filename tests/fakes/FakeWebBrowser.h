#pragma once
#include "platform/VbError.h"
#include "platform/engine/WebBrowser.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

// A scriptable browser control: records every call, lets a test set its properties, make
// chosen operations raise, and fire any event.
class FakeWebBrowser : public WebBrowser {
public:
    explicit FakeWebBrowser(QWidget* parent = nullptr) : widget_(new QWidget(parent)) {}

    QStringList calls;               // "Navigate <address>", "GoBack", "Refresh"...
    QSet<QString> failingAddresses;  // Navigate raises for these
    QSet<QString> failingOperations; // "GoBack", "Stop"... raise
    bool raiseBeforeNavigate = true; // Navigate raises BeforeNavigate2 first, as the real control does
    QString url;
    QString name;
    bool busy = false;
    bool windowsBlocked = false;
    int zoom = 100;
    WebBrowserEvents* events = nullptr;
    std::shared_ptr<PageDialogs> dialogs = std::make_shared<PageDialogs>(); // of the page on display

    QWidget* widget() override { return widget_; }
    void setEvents(WebBrowserEvents* e) override { events = e; }

    void Navigate(const QString& address) override
    {
        calls << QStringLiteral("Navigate ") + address;
        if (failingAddresses.contains(address))
            throw VbError(-2147467259, QStringLiteral("Method 'Navigate' of object 'IWebBrowser2' failed"));
        if (raiseBeforeNavigate && events) {
            bool cancel = false;
            events->BeforeNavigate2(address, cancel);
        }
    }
    void GoBack() override { Op(QStringLiteral("GoBack")); }
    void GoForward() override { Op(QStringLiteral("GoForward")); }
    void GoHome() override { Op(QStringLiteral("GoHome")); }
    void GoSearch() override { Op(QStringLiteral("GoSearch")); }
    void Refresh() override { Op(QStringLiteral("Refresh")); }
    void Stop() override { Op(QStringLiteral("Stop")); }
    void OpenNewWindow(const NewWindowTarget& target) override
    {
        calls << QStringLiteral("OpenNewWindow ") + target.address;
    }
    void SetWindowsBlocked(bool blocked) override { windowsBlocked = blocked; }
    QString LocationURL() const override { return url; }
    QString LocationName() const override { return name; }
    bool Busy() const override { return busy; }
    PageDialogTurn TakePageDialogTurn() override { return PageDialogTurn(dialogs); }
    void RunPageCommand(PageCommand) override { calls << QStringLiteral("RunPageCommand"); }
    void FindText(const QString& text, bool, bool, std::function<void(int, int)>) override
    {
        calls << QStringLiteral("FindText ") + text;
    }
    void StopFinding() override { calls << QStringLiteral("StopFinding"); }
    int ZoomPercent() const override { return zoom; }
    void SetZoomPercent(int percent) override { zoom = percent; }
    void Print(std::function<void(bool)>) override { calls << QStringLiteral("Print"); }
    void SaveAsPdf(const QString& path, std::function<void(bool)>) override
    {
        calls << QStringLiteral("SaveAsPdf ") + path;
    }

    QStringList navigations() const
    {
        QStringList out;
        for (const auto& c : calls)
            if (c.startsWith(QStringLiteral("Navigate ")))
                out << c.mid(9);
        return out;
    }

    // Fires an event with a Cancel flag and returns what the handler left in it.
    bool FireBeforeNavigate2(const QString& target, bool cancel = false)
    {
        events->BeforeNavigate2(target, cancel);
        return cancel;
    }
    bool FireNewWindow2(bool cancel = false, const QString& target = {})
    {
        events->NewWindow2({target, QUrl(target)}, cancel);
        return cancel;
    }
    bool FireFileDownload(bool cancel = false)
    {
        events->FileDownload(cancel);
        return cancel;
    }

private:
    void Op(const QString& op)
    {
        calls << op;
        if (failingOperations.contains(op))
            throw VbError(-2147467259, QStringLiteral("Unspecified error"));
    }
    QWidget* widget_;
};
