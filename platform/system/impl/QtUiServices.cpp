#include "QtUiServices.h"

#include "FileDialogPaths.h"
#include "platform/files/FileSystem.h"
#include "platform/files/impl/HostPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kPauseMs = 250;

QMessageBox::Icon BoxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Texts break their lines with CR, CR LF or LF.
QString WithLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void AddButtons(QMessageBox& box, MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        if (buttons == MsgButtons::YesNoDefaultNo)
            box.setDefaultButton(QMessageBox::No);
        break;
    }
}

int Answer(QMessageBox::StandardButton clicked, MsgButtons buttons)
{
    switch (clicked) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        // Closed some other way: the box's safe answer.
        return buttons == MsgButtons::Ok       ? MsgAnswer::Ok
             : buttons == MsgButtons::OkCancel ? MsgAnswer::Cancel
                                               : MsgAnswer::No;
    }
}

// Ends a modal run when its window is hidden. A minimise also sends a hide event, but the window
// stays shown as far as the program goes, and its caller must go on waiting.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

} // namespace

QtUiServices::QtUiServices(FileSystem& fs) : fs_(fs) {}

QtUiServices::~QtUiServices() { SetHourglass(false); }

int QtUiServices::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    bool ticked = false;
    return MsgBoxWithCheck(text, buttons, icon, title, {}, ticked);
}

int QtUiServices::MsgBoxWithCheck(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                  const QString& check, bool& ticked)
{
    QMessageBox box(BoxIcon(icon), title.isEmpty() ? kProgramTitle : title, WithLineBreaks(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    AddButtons(box, buttons);
    if (!check.isEmpty())
        box.setCheckBox(new QCheckBox(check));
    box.exec();
    ticked = box.checkBox() && box.checkBox()->isChecked();
    return Answer(box.standardButton(box.clickedButton()), buttons);
}

void QtUiServices::Beep() { QApplication::beep(); }

void QtUiServices::SetHourglass(bool busy)
{
    if (busy == hourglass_)
        return;
    hourglass_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtUiServices::DoEvents() { QCoreApplication::processEvents(); }

void QtUiServices::Pause()
{
    // Events keep running meanwhile, and nothing wakes up to look at a clock.
    QEventLoop pause;
    QTimer::singleShot(kPauseMs, &pause, &QEventLoop::quit);
    pause.exec();
}

void QtUiServices::RunModal(QWidget& window)
{
    if (!window.isVisible())
        return;
    QEventLoop loop;
    HideWatcher watcher(loop);
    const QPointer<QWidget> guard(&window);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    if (guard)
        guard->removeEventFilter(&watcher);
}

QString QtUiServices::OpenFileDialog(QWidget* owner, const FileDialogRequest& request)
{
    const HostDialogSetup setup = MapFileDialogRequest(fs_, request);
    QFileDialog dialog(owner, request.title, setup.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!setup.nameFilter.isEmpty())
        dialog.setNameFilter(setup.nameFilter);
    if (!setup.selectedFile.isEmpty())
        dialog.selectFile(setup.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return request.fileName;
    const QString chosen = fs_.WindowsPath(dialog.selectedFiles().constFirst());
    return chosen.isEmpty() ? request.fileName : chosen;
}

SaveChoice QtUiServices::SaveFileDialog(QWidget* owner, const QString& title, const QString& proposed,
                                        const QString& filter)
{
    const QFileInfo proposedHost(fs_.HostPathForWriting(proposed));
    QFileDialog dialog(owner, title, proposedHost.absolutePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Asked below, in the program's language.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Salva in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Salva come:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Salva"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    dialog.selectFile(proposedHost.fileName());
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString host = dialog.selectedFiles().constFirst();
        const QString path = fs_.WindowsPath(host);
        if (path.isEmpty())
            continue;
        // Taken by any spelling of the name, as the writer will find it, a dangling link included.
        if (!ExistsOrDangles(fs_.HostPathForWriting(path)))
            return {path, false};
        if (MsgBox(QStringLiteral("Il file ") + path + QStringLiteral(" esiste già.\r\rSostituirlo ?"),
                   MsgButtons::YesNo, MsgIcon::Exclamation, title)
            == MsgAnswer::Yes)
            return {path, true};
    }
    return {};
}

void QtUiServices::EndProgram(bool immediately)
{
    if (immediately) {
        std::fflush(nullptr);
        _exit(0);
    }
    // Posted, so that the caller's handler finishes before the event loops end.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}
