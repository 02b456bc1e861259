#pragma once
#include <QString>

class WebBrowser;

// What the other windows may do with the browser window: they drive it only through its controls.
class BrowserWindow {
public:
    virtual ~BrowserWindow() = default;
    virtual QString PagePath() const = 0;    // the window's Tag: path form of the page on display
    virtual QString AddressText() const = 0; // cboAddress's text
    virtual void SetAddressText(const QString& text) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0; // timTimer
    virtual WebBrowser& Browser() = 0;              // brwWebBrowser
    // Command1, the page button: " Modifica    pagina" on a local page, "Nuovo Vindrex" on the web.
    virtual void SetCommand1Caption(const QString& caption) = 0;
    // Closes the window as its close box does: its closing step runs and ends the program.
    virtual void Close() = 0;
};
