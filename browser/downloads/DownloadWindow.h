#pragma once
#include "platform/engine/Download.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class Program;
class QLabel;
class QProgressBar;
class QPushButton;

// The window of one download. First it asks: "Apri", "Salva con nome...", "Annulla"; then it
// shows the progress with "Annulla"; at the end "Apri", "Apri cartella", "Chiudi". Closing it
// before the end cancels the download. Several downloads have a window each.
class DownloadWindow : public QWidget {
    Q_OBJECT
public:
    DownloadWindow(Program& program, std::unique_ptr<Download> download, QWidget* owner);
    ~DownloadWindow() override;

    QLabel* lblQuestion = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblSource = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblTarget = nullptr;
    QProgressBar* barProgress = nullptr;
    QLabel* lblSpeed = nullptr;
    QLabel* lblTimeLeft = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOpenFolder = nullptr;
    QPushButton* cmdClose = nullptr;

    // Its file still comes in (while the window asks, too).
    bool Receiving() const { return download_->state() == Download::State::Receiving; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Stage { Asking, Receiving, Ended };

    void CreateControls();
    void cmdOpen_Click();
    void cmdSaveAs_Click();
    void cmdOpenFolder_Click();
    void OnChanged();
    void ShowStage(Stage stage);
    void ShowProgress();
    void ShowEnd();
    void OpenWithDesktop(const QString& path);
    // Opens the saved file, asking first when opening it would run it; false when not opened.
    bool OpenSavedFile();
    // A free name for the file in the download folder.
    QString ProposedPath() const;

    Program& program_;
    std::unique_ptr<Download> download_;
    Stage stage_ = Stage::Asking;
    bool openWhenSaved_ = false;
    bool choosing_ = false; // its save dialog is open
    QElapsedTimer clock_;   // since the download began: the average speed
};
