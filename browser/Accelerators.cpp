#include "frmBrowser.h"

#include <QComboBox>
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
    {Qt::Key_D, kAlt, [](frmBrowser& w) { w.FocusAddressBox(); }},
    {Qt::Key_F6, kNone, [](frmBrowser& w) { w.FocusAddressBox(); }},
    {Qt::Key_L, kCtrl, [](frmBrowser& w) { w.FocusAddressBox(); }},
    {Qt::Key_F, kCtrl, [](frmBrowser& w) { w.ShowFindBar(); }},
    {Qt::Key_P, kCtrl, [](frmBrowser& w) { w.PrintPage(w.Browser()); }},
    {Qt::Key_Plus, kCtrl, [](frmBrowser& w) { w.ZoomPage(1); }},
    {Qt::Key_Plus, kCtrlShift, [](frmBrowser& w) { w.ZoomPage(1); }},
    {Qt::Key_Equal, kCtrl, [](frmBrowser& w) { w.ZoomPage(1); }},
    {Qt::Key_Minus, kCtrl, [](frmBrowser& w) { w.ZoomPage(-1); }},
    {Qt::Key_0, kCtrl, [](frmBrowser& w) { w.ZoomPage(0); }},
};

} // namespace

void frmBrowser::keyPressEvent(QKeyEvent* event)
{
    if (RunAccelerator(*event))
        event->accept();
    else
        Form::keyPressEvent(event);
}

bool frmBrowser::RunAccelerator(const QKeyEvent& event)
{
    // The keypad's keys count as the others.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.key == event.key() && accelerator.modifiers == modifiers) {
            accelerator.run(*this);
            return true;
        }
    }
    return false;
}

void frmBrowser::FocusAddressBox()
{
    cboAddress->setFocus(Qt::ShortcutFocusReason);
    cboAddress->lineEdit()->selectAll();
}
