#include "PagePrinting.h"

#include "platform/VbError.h"
#include "platform/files/FileSystem.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineView>

#include <memory>

void PrintWithDialog(QWebEngineView& view, std::function<void(bool)> done)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(view.title());
    QPrintDialog dialog(printer.get(), view.window());
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The printer lives until the engine has printed on it; one print at a time per view.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&view, &QWebEngineView::printFinished, &view,
                                   [printer, connection, done = std::move(done)](bool success) {
                                       QObject::disconnect(*connection);
                                       done(success);
                                   });
    view.print(printer.get());
}

void WritePdf(QWebEngineView& view, FileSystem& fs, const QString& path, std::function<void(bool)> done)
{
    view.printToPdf([&fs, path, done = std::move(done)](const QByteArray& pdf) {
        bool written = false;
        try {
            if (!pdf.isEmpty()) {
                const auto file = fs.OpenForReplacement(path);
                file->Write(pdf);
                file->Close();
                written = true;
            }
        } catch (const VbError&) {
            // Not written: the file that was there stays as it was.
        }
        done(written);
    });
}
