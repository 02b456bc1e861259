#include "frmBrowser.h"

#include "browser/page/Accelerators.h"
#include "app/FullScreen.h"
#include "browser/page/PageTools.h"

#include <QKeyEvent>
#include <QLineEdit>

bool frmBrowser::RunKeyCommand(const QKeyEvent& event)
{
    const std::optional<KeyCommand> command = KeyCommandOf(event);
    if (!command)
        return false;
    switch (command->kind) {
    case KeyCommand::Refresh:
        tbToolBar_ButtonClick(QStringLiteral("Refresh"));
        break;
    case KeyCommand::Stop:
        tbToolBar_ButtonClick(QStringLiteral("Stop"));
        break;
    case KeyCommand::Back:
        tbToolBar_ButtonClick(QStringLiteral("Back"));
        break;
    case KeyCommand::Forward:
        tbToolBar_ButtonClick(QStringLiteral("Forward"));
        break;
    case KeyCommand::Home:
        tbToolBar_ButtonClick(QStringLiteral("Home"));
        break;
    case KeyCommand::AddressBox:
        // The address box, its text selected, to type another address.
        cboAddress->setFocus(Qt::ShortcutFocusReason);
        cboAddress->lineEdit()->selectAll();
        break;
    case KeyCommand::Find:
        pageTools_->ShowFindBar();
        break;
    case KeyCommand::Print:
        pageTools_->Print(*brwWebBrowser);
        break;
    case KeyCommand::Zoom:
        pageTools_->Zoom(command->zoom);
        break;
    case KeyCommand::FullScreen:
        ToggleFullScreen(*this);
        break;
    }
    return true;
}
