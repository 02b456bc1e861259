#include "PageDialogBoxes.h"

#include "platform/engine/PagePolicy.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Messaggio della pagina Web");
const QString kCancel = QStringLiteral("Annulla");

QCheckBox* StopOffer(bool offered) { return offered ? new QCheckBox(kStopPageDialogs) : nullptr; }

PageDialogAnswer ShowMessage(QWidget* over, PageDialogKind kind, const QString& message, bool offerStop)
{
    const bool question = kind == PageDialogKind::Confirm;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Warning, kTitle, message,
                    question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    if (question)
        box.button(QMessageBox::Cancel)->setText(kCancel);
    box.setEscapeButton(question ? QMessageBox::Cancel : QMessageBox::Ok);
    QCheckBox* stop = StopOffer(offerStop);
    box.setCheckBox(stop);
    box.exec();
    return {box.clickedButton() == box.button(QMessageBox::Ok), stop && stop->isChecked(), {}};
}

PageDialogAnswer ShowPrompt(QWidget* over, const QString& message, const QString& defaultText, bool offerStop)
{
    QDialog dialog(over);
    dialog.setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(message);
    label->setTextFormat(Qt::PlainText);
    auto* field = new QLineEdit(defaultText);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    QCheckBox* stop = StopOffer(offerStop);
    if (stop)
        layout->addWidget(stop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(kCancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return {accepted, stop && stop->isChecked(), field->text()};
}

} // namespace

PageDialogAnswer ShowPageDialog(QWidget* over, PageDialogKind kind, const QString& message, const QString& defaultText,
                                bool offerStop)
{
    return kind == PageDialogKind::Prompt ? ShowPrompt(over, message, defaultText, offerStop)
                                          : ShowMessage(over, kind, message, offerStop);
}
