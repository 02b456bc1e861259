#include "Accelerators.h"

#include <QKeyEvent>

namespace {

// The keys of the hosted browser. They come to the window only when neither the page nor the
// control with the focus used them, so no field of a page or of the program loses a key.
struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyCommand command;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
// "+" is a shifted key on most layouts.
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

const Accelerator kAccelerators[] = {
    {Qt::Key_F5, kNone, {KeyCommand::Refresh}},        {Qt::Key_R, kCtrl, {KeyCommand::Refresh}},
    {Qt::Key_Escape, kNone, {KeyCommand::Stop}},       {Qt::Key_Left, kAlt, {KeyCommand::Back}},
    {Qt::Key_Right, kAlt, {KeyCommand::Forward}},      {Qt::Key_Home, kAlt, {KeyCommand::Home}},
    {Qt::Key_D, kAlt, {KeyCommand::AddressBox}},       {Qt::Key_F6, kNone, {KeyCommand::AddressBox}},
    {Qt::Key_L, kCtrl, {KeyCommand::AddressBox}},      {Qt::Key_F, kCtrl, {KeyCommand::Find}},
    {Qt::Key_P, kCtrl, {KeyCommand::Print}},           {Qt::Key_Plus, kCtrl, {KeyCommand::Zoom, 1}},
    {Qt::Key_Plus, kCtrlShift, {KeyCommand::Zoom, 1}}, {Qt::Key_Equal, kCtrl, {KeyCommand::Zoom, 1}},
    {Qt::Key_Minus, kCtrl, {KeyCommand::Zoom, -1}},    {Qt::Key_0, kCtrl, {KeyCommand::Zoom, 0}},
    {Qt::Key_F11, kNone, {KeyCommand::FullScreen}},
};

} // namespace

std::optional<KeyCommand> KeyCommandOf(const QKeyEvent& event)
{
    // The keypad's keys count as the others.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.key == event.key() && accelerator.modifiers == modifiers)
            return accelerator.command;
    }
    return std::nullopt;
}
