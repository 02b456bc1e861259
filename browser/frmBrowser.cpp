#include "frmBrowser.h"

#include "startup/Program.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>

frmBrowser::frmBrowser(Program& program) : Form(program) { CreateControls(); }
frmBrowser::~frmBrowser() = default;

void frmBrowser::CreateControls()
{
    cboAddress = new QComboBox(this);
    Command1 = new QPushButton(this);
    timTimer = new QTimer(this);
    brwWebBrowser = program().MakeBrowser(this);
}

QString frmBrowser::AddressText() const { return cboAddress->currentText(); }
void frmBrowser::SetAddressText(const QString& text) { cboAddress->setEditText(text); }
void frmBrowser::SetTimerEnabled(bool enabled) { enabled ? timTimer->start() : timTimer->stop(); }
void frmBrowser::SetCommand1Caption(const QString& caption) { Command1->setText(caption); }

void frmBrowser::Form_Load() {}
void frmBrowser::Form_Resize() {}
void frmBrowser::Form_Unload() {}
bool frmBrowser::eventFilter(QObject* watched, QEvent* event) { return Form::eventFilter(watched, event); }
void frmBrowser::lblAddress_DblClick() {}
