#pragma once
#include "FakeWebBrowser.h"
#include "app/BrowserWindow.h"

// Stands in for the browser window where a window only drives it through its controls.
class FakeBrowserWindow : public BrowserWindow {
public:
    QString tag;
    QString address;
    bool timerEnabled = false;
    QString command1Caption;
    FakeWebBrowser browser;
    int closed = 0;

    QString PagePath() const override { return tag; }
    QString AddressText() const override { return address; }
    void SetAddressText(const QString& text) override { address = text; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    WebBrowser& Browser() override { return browser; }
    void SetCommand1Caption(const QString& caption) override { command1Caption = caption; }
    void Close() override { ++closed; }
};
