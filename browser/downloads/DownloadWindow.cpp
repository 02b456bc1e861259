#include "DownloadWindow.h"

#include "DownloadText.h"
#include "app/Program.h"
#include "app/WindowsPath.h"
#include "platform/VbError.h"
#include "platform/files/DownloadNames.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

DownloadWindow::DownloadWindow(Program& program, std::unique_ptr<Download> download, QWidget* owner)
    : QWidget(owner, Qt::Window), program_(program), download_(std::move(download))
{
    setAttribute(Qt::WA_DeleteOnClose);
    clock_.start();
    CreateControls();
    connect(download_.get(), &Download::changed, this, &DownloadWindow::OnChanged);
    connect(cmdOpen, &QPushButton::clicked, this, &DownloadWindow::cmdOpen_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &DownloadWindow::cmdSaveAs_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdOpenFolder, &QPushButton::clicked, this, &DownloadWindow::cmdOpenFolder_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    ShowStage(Stage::Asking);
    show();
    raise();
    activateWindow();
    if (download_->SaveAsAsked())
        QMetaObject::invokeMethod(this, &DownloadWindow::cmdSaveAs_Click, Qt::QueuedConnection);
}

DownloadWindow::~DownloadWindow()
{
    // The download goes with its window; its signal must not reach a window half torn down.
    download_->disconnect(this);
}

void DownloadWindow::CreateControls()
{
    setObjectName(QStringLiteral("DownloadWindow"));
    setMinimumWidth(420);
    auto* column = new QVBoxLayout(this);
    const auto label = [this, column](const QString& text = {}) {
        auto* added = new QLabel(text, this);
        added->setTextFormat(Qt::PlainText);
        added->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(added);
        return added;
    };
    lblQuestion = label(QStringLiteral("Aprire o salvare il file?"));
    lblName = label(QStringLiteral("Nome: ") + download_->FileName());
    lblSource = label(QStringLiteral("Da: ") + download_->SourceAddress());
    lblSource->setWordWrap(true);
    lblSize = label();
    lblTarget = label();
    lblTarget->setWordWrap(true);
    barProgress = new QProgressBar(this);
    column->addWidget(barProgress);
    lblSpeed = label();
    lblTimeLeft = label();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto button = [this, buttons](const QString& caption) {
        auto* added = new QPushButton(caption, this);
        buttons->addWidget(added);
        return added;
    };
    cmdOpen = button(QStringLiteral("Apri"));
    cmdSaveAs = button(QStringLiteral("Salva con nome..."));
    cmdOpenFolder = button(QStringLiteral("Apri cartella"));
    cmdCancel = button(QStringLiteral("Annulla"));
    cmdClose = button(QStringLiteral("Chiudi"));
    column->addLayout(buttons);
}

void DownloadWindow::ShowStage(Stage stage)
{
    stage_ = stage;
    const bool asking = stage == Stage::Asking;
    const bool receiving = stage == Stage::Receiving;
    const bool saved = download_->state() == Download::State::Saved;
    lblQuestion->setVisible(asking);
    lblTarget->setVisible(!asking);
    barProgress->setVisible(receiving);
    lblSpeed->setVisible(receiving);
    lblTimeLeft->setVisible(receiving);
    cmdOpen->setVisible(asking || (stage == Stage::Ended && saved));
    cmdSaveAs->setVisible(asking);
    cmdCancel->setVisible(stage != Stage::Ended);
    cmdOpenFolder->setVisible(stage == Stage::Ended && saved);
    cmdClose->setVisible(stage == Stage::Ended);
    if (asking) {
        setWindowTitle(QStringLiteral("Download del file"));
        const qint64 total = download_->TotalBytes();
        lblSize->setText(QStringLiteral("Dimensione: ")
                         + (total < 0
                                ? QStringLiteral("sconosciuta")
                                : SizeText(total) + QStringLiteral(" (") + ExactSizeText(total) + QLatin1Char(')')));
        (download_->SaveAsAsked() ? cmdSaveAs : cmdOpen)->setDefault(true);
    } else if (receiving) {
        ShowProgress();
    } else {
        ShowEnd();
    }
    adjustSize();
}

void DownloadWindow::cmdOpen_Click()
{
    if (stage_ == Stage::Ended) {
        OpenSavedFile();
        return;
    }
    // As a browser opens a file: saved in the download folder, then given to its application.
    openWhenSaved_ = true;
    const QString target = ProposedPath();
    lblTarget->setText(QStringLiteral("Apri al termine: ") + target);
    ShowStage(Stage::Receiving);
    download_->SaveTo(target, false);
}

void DownloadWindow::cmdSaveAs_Click()
{
    if (stage_ != Stage::Asking)
        return;
    choosing_ = true;
    const SaveChoice choice = program_.ui().SaveFileDialog(this, QStringLiteral("Salva con nome"), ProposedPath(), {});
    choosing_ = false;
    // The download may have ended while the user chose: the window then shows that instead.
    if (download_->state() == Download::State::Cancelled) {
        close();
        return;
    }
    if (stage_ != Stage::Asking)
        return;
    if (choice.path.isEmpty()) {
        // Asked by the page's menu, the question was where: no answer, no download.
        if (download_->SaveAsAsked())
            close();
        return;
    }
    lblTarget->setText(QStringLiteral("Salva in: ") + choice.path);
    ShowStage(Stage::Receiving);
    download_->SaveTo(choice.path, choice.replace);
}

QString DownloadWindow::ProposedPath() const
{
    return FreeSavePath(program_.fs(), program_.system().DownloadFolder(), download_->FileName());
}

void DownloadWindow::cmdOpenFolder_Click() { OpenWithDesktop(ParentFolder(download_->SavedPath())); }

bool DownloadWindow::OpenSavedFile()
{
    const QString path = download_->SavedPath();
    if (program_.system().RunsAsProgram(path)
        && program_.ui().MsgBox(QStringLiteral("Il file  ") + SplitPath(path).name
                                    + QStringLiteral(
                                        "  è un programma o uno script: aprirlo significa eseguirlo sul computer.\r\r"
                                        "Confermi l'apertura ?"),
                                MsgButtons::YesNoDefaultNo, MsgIcon::Exclamation, QStringLiteral("Apertura del file"))
               != MsgAnswer::Yes)
        return false;
    OpenWithDesktop(path);
    return true;
}

void DownloadWindow::OpenWithDesktop(const QString& path)
{
    try {
        program_.system().OpenWithDesktop(path);
    } catch (const VbError&) {
        program_.ui().Beep();
        program_.ui().MsgBox(QStringLiteral("Non trovo un programma per aprire ") + path + QStringLiteral(" !!!"));
    }
}

void DownloadWindow::OnChanged()
{
    if (download_->state() == Download::State::Cancelled) {
        if (!choosing_) // the window closes once the dialog it owns has gone
            close();
        return;
    }
    if (download_->state() != Download::State::Receiving) {
        ShowStage(Stage::Ended);
        // A program the user would not run stays here, with its folder at hand.
        if (openWhenSaved_ && download_->state() == Download::State::Saved && OpenSavedFile())
            close();
        return;
    }
    if (stage_ == Stage::Receiving)
        ShowProgress();
    else if (stage_ == Stage::Asking)
        ShowStage(Stage::Asking); // the size may be known now
}

void DownloadWindow::ShowProgress()
{
    const qint64 received = download_->ReceivedBytes();
    const qint64 total = download_->TotalBytes();
    const int percent = total > 0 ? int(received * 100 / total) : 0;
    setWindowTitle(QStringLiteral("%1% di %2").arg(percent).arg(download_->FileName()));
    barProgress->setRange(0, total > 0 ? 100 : 0);
    barProgress->setValue(percent);
    lblSize->setText(QStringLiteral("Ricevuti ") + SizeText(received)
                     + (total < 0 ? QString() : QStringLiteral(" di ") + SizeText(total)));
    const double seconds = clock_.elapsed() / 1000.0;
    const double speed = seconds > 0 ? received / seconds : 0;
    lblSpeed->setText(QStringLiteral("Velocità: ") + SizeText(qint64(speed)) + QStringLiteral("/s"));
    lblTimeLeft->setText(
        QStringLiteral("Tempo rimanente: ")
        + (total < 0 || speed <= 0 ? QStringLiteral("sconosciuto") : TimeLeftText(qint64((total - received) / speed))));
}

void DownloadWindow::ShowEnd()
{
    const qint64 received = download_->ReceivedBytes();
    if (download_->state() == Download::State::Saved) {
        setWindowTitle(QStringLiteral("Download completato"));
        lblTarget->setText(QStringLiteral("Salvato in: ") + download_->SavedPath());
        lblSize->setText(QStringLiteral("Ricevuti ") + SizeText(received) + QStringLiteral(" di ") + SizeText(received)
                         + QStringLiteral(" (") + ExactSizeText(received) + QLatin1Char(')'));
    } else {
        setWindowTitle(QStringLiteral("Download non riuscito"));
        lblTarget->setText(QStringLiteral("Download non riuscito: ") + download_->FailureText());
    }
}

void DownloadWindow::closeEvent(QCloseEvent* event)
{
    download_->disconnect(this);
    download_->Cancel(); // nothing once it has ended
    QWidget::closeEvent(event);
}
