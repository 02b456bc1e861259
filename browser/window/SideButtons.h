#pragma once
#include <Qt>

class BrowserWindow;
class Program;

// The side commands of the browser window: the buttons beside the address box and the pop-up
// switch, each opening another window or tool for the page on display. The window builds the
// buttons; their handlers hand the work to these.
class SideButtons {
public:
    SideButtons(Program& program, BrowserWindow& window) : program_(program), window_(window) {}

    // "Elimina Win PopUp": while questions are off, pages may open windows only when unticked.
    void SetPopupSwitch(Qt::CheckState state);
    // The page button: the edit menu on a local page, else a second copy on the address.
    void EditPageOrStartCopy();
    void ShowFavourites();
    void ShowIeWindows();
    // "ID": the local IP address and the host name, the address copied.
    void ShowNetworkId();
    // "Copia Address": the address on display, shown and copied.
    void CopyAddress();
    // A preset-site button: its site becomes the first page and the address box's text, for the
    // window to open as the box does.
    void ChoosePresetSite(int index);

private:
    Program& program_;
    BrowserWindow& window_;
};
