#pragma once
#include <QString>
#include <functional>

class FileSystem;
class QWebEngineView;

// The system's print dialog for the page of `view`, then the page printed on the printer chosen
// (or into the file the dialog names); done(false) when printing failed. Nothing happens when
// the user closes the dialog.
void PrintWithDialog(QWebEngineView& view, std::function<void(bool printed)> done);

// The page of `view` as a PDF file at `path` (Windows form), replacing a file there as a whole
// or not at all.
void WritePdf(QWebEngineView& view, FileSystem& fs, const QString& path, std::function<void(bool written)> done);
