#pragma once
#include "platform/system/UiServices.h"

class FileSystem;

// Message boxes, beep, pointer and dialogs of the real desktop.
class QtUiServices : public UiServices {
public:
    explicit QtUiServices(FileSystem& fs);
    ~QtUiServices() override;

    int MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    int MsgBoxWithCheck(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                        const QString& check, bool& ticked) override;
    void Beep() override;
    void SetHourglass(bool busy) override;
    void DoEvents() override;
    void Pause() override;
    void RunModal(QWidget& window) override;
    QString OpenFileDialog(QWidget* owner, const FileDialogRequest& request) override;
    SaveChoice SaveFileDialog(QWidget* owner, const QString& title, const QString& proposed,
                              const QString& filter) override;
    void EndProgram(bool immediately) override;

private:
    FileSystem& fs_;
    bool hourglass_ = false;
};
