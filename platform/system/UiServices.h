#pragma once
#include <QString>

class QWidget;

// YesNoDefaultNo: Enter answers No (a question whose Yes cannot be undone).
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class MsgIcon { None, Information, Exclamation, Stop };

// Answers of a message box, as the original runtime numbered them.
namespace MsgAnswer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgAnswer

inline const QString kProgramTitle = QStringLiteral("Vindrel");

// What a file-open dialog is asked for; every path is in Windows form.
struct FileDialogRequest {
    QString title;
    QString fileName;      // initial file name: may hold a folder and a pattern ("C:\HOME-PAG\*.HTM")
    QString filter;        // "*.JPG;*.BMP" or empty
    QString initialFolder; // empty: the folder of fileName, else the current folder
};

// Where the user chose to save a file; path empty when the user cancelled.
struct SaveChoice {
    QString path;         // Windows form
    bool replace = false; // the file exists and the user agreed to replace it
};

// Everything a window does with the user and the event loop goes through here,
// so that tests can script answers and read back what was shown.
class UiServices {
public:
    virtual ~UiServices() = default;
    virtual int MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                       const QString& title = kProgramTitle) = 0;
    // The same box with a check box of that caption under its text, unticked; ticked says whether
    // the user ticked it.
    virtual int MsgBoxWithCheck(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                const QString& check, bool& ticked) = 0;
    virtual void Beep() = 0;
    virtual void SetHourglass(bool busy) = 0;
    // Lets pending events (input, painting, timer ticks) run once.
    virtual void DoEvents() = 0;
    // The short pause before a process list is refreshed; events keep running during it.
    virtual void Pause() = 0;
    // Runs until the window is hidden or destroyed (a modal show).
    virtual void RunModal(QWidget& window) = 0;
    // Shows a file-open dialog; returns the chosen file's Windows-form path,
    // or request.fileName unchanged when the user cancels.
    virtual QString OpenFileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
    // Shows a save dialog on `proposed` (Windows form, folder and name); filter: "Documento PDF
    // (*.pdf)" or empty. Choosing an existing file asks before it is replaced.
    virtual SaveChoice SaveFileDialog(QWidget* owner, const QString& title, const QString& proposed,
                                      const QString& filter) = 0;
    // Ends the program. immediately: no closing step of any window runs.
    // The caller must return right after this call.
    virtual void EndProgram(bool immediately) = 0;
};
