#pragma once

class QWidget;
class frmBrowser;

// The side commands of the browser window: the buttons beside the address box and the pop-up
// switch, each opening another window or tool for the page on display.
class SideButtons {
public:
    explicit SideButtons(frmBrowser& window) : window_(window) {}

    // Makes the window's buttons and check boxes of the strip, as designed, with their handlers.
    void Create(QWidget& strip);

    // "Elimina Win PopUp": while questions are off, pages may open windows only when unticked.
    void SetPopupSwitch();
    // The page button: the edit menu on a local page, else a second copy on the address.
    void EditPageOrStartCopy();
    void ShowFavourites();
    void ShowIeWindows();
    // "ID": the local IP address and the host name, the address copied.
    void ShowNetworkId();
    // "Copia Address": the address on display, shown and copied.
    void CopyAddress();
    // The preset-site buttons open their site through the address box.
    void OpenPresetSite(int index);

private:
    frmBrowser& window_;
};
