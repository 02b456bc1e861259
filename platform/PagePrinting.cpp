#include "PagePrinting.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
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

void WritePdf(QWebEngineView& view, const QString& hostPath, std::function<void(bool)> done)
{
    view.printToPdf([hostPath, done = std::move(done)](const QByteArray& pdf) {
        QSaveFile file(hostPath);
        done(!pdf.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit());
    });
}
