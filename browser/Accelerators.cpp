#include "Accelerators.h"

#include "AddressBox.h"
#include "PageTools.h"
#include "frmBrowser.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The keys of the hosted browser. They come to the window only when neither the page nor the
// control with the focus used them, so no field of a page or of the program loses a key.
struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    void (*run)(frmBrowser&);
};

void Toolbar(frmBrowser& window, const char* key) { window.tbToolBar_ButtonClick(QString::fromLatin1(key)); }

// The address box, its text selected, to type another address.
void FocusAddressBox(frmBrowser& window)
{
    window.cboAddress->setFocus(Qt::ShortcutFocusReason);
    window.cboAddress->lineEdit()->selectAll();
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
// "+" is a shifted key on most layouts.
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

const Accelerator kAccelerators[] = {
    {Qt::Key_F5, kNone, [](frmBrowser& w) { Toolbar(w, "Refresh"); }},
    {Qt::Key_R, kCtrl, [](frmBrowser& w) { Toolbar(w, "Refresh"); }},
    {Qt::Key_Escape, kNone, [](frmBrowser& w) { Toolbar(w, "Stop"); }},
    {Qt::Key_Left, kAlt, [](frmBrowser& w) { Toolbar(w, "Back"); }},
    {Qt::Key_Right, kAlt, [](frmBrowser& w) { Toolbar(w, "Forward"); }},
    {Qt::Key_Home, kAlt, [](frmBrowser& w) { Toolbar(w, "Home"); }},
    {Qt::Key_D, kAlt, [](frmBrowser& w) { FocusAddressBox(w); }},
    {Qt::Key_F6, kNone, [](frmBrowser& w) { FocusAddressBox(w); }},
    {Qt::Key_L, kCtrl, [](frmBrowser& w) { FocusAddressBox(w); }},
    {Qt::Key_F, kCtrl, [](frmBrowser& w) { w.pageTools().ShowFindBar(); }},
    {Qt::Key_P, kCtrl, [](frmBrowser& w) { w.pageTools().Print(w.Browser()); }},
    {Qt::Key_Plus, kCtrl, [](frmBrowser& w) { w.pageTools().Zoom(1); }},
    {Qt::Key_Plus, kCtrlShift, [](frmBrowser& w) { w.pageTools().Zoom(1); }},
    {Qt::Key_Equal, kCtrl, [](frmBrowser& w) { w.pageTools().Zoom(1); }},
    {Qt::Key_Minus, kCtrl, [](frmBrowser& w) { w.pageTools().Zoom(-1); }},
    {Qt::Key_0, kCtrl, [](frmBrowser& w) { w.pageTools().Zoom(0); }},
};

} // namespace

bool RunAccelerator(frmBrowser& window, const QKeyEvent& event)
{
    // The keypad's keys count as the others.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.key == event.key() && accelerator.modifiers == modifiers) {
            accelerator.run(window);
            return true;
        }
    }
    return false;
}
