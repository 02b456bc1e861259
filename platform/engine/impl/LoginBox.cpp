#include "LoginBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Line(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

std::optional<Login> AskLogin(QWidget* over, const LoginQuestion& question)
{
    QDialog dialog(over);
    dialog.setWindowTitle(QStringLiteral("Autenticazione richiesta"));
    dialog.setMinimumWidth(420); // the sentences on one line each
    auto* layout = new QVBoxLayout(&dialog);
    const QString who = question.proxy ? QStringLiteral("Il proxy") : QStringLiteral("Il sito");
    layout->addWidget(Line(QStringLiteral("%1 %2 richiede un nome utente e una password.").arg(who, question.host)));
    if (!question.realm.isEmpty())
        layout->addWidget(Line(QStringLiteral("%1 dice: \"%2\"").arg(who, question.realm)));
    if (question.wrongBefore) {
        QLabel* wrong = Line(QStringLiteral("Nome utente o password non validi."));
        wrong->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
        layout->addWidget(wrong);
    }
    auto* form = new QFormLayout;
    auto* user = new QLineEdit(question.user);
    auto* password = new QLineEdit;
    password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Nome utente:"), user);
    form->addRow(QStringLiteral("Password:"), password);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    // Without a user name there is nothing to send: an empty login only earns the site's refusal.
    const auto allowOk = [ok, user] { ok->setEnabled(!user->text().trimmed().isEmpty()); };
    allowOk();
    QObject::connect(user, &QLineEdit::textChanged, ok, allowOk);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    // A user name given before is offered again: only the password is to be typed.
    (question.user.isEmpty() ? user : password)->setFocus();
    if (dialog.exec() != QDialog::Accepted || user->text().trimmed().isEmpty())
        return std::nullopt;
    return Login{user->text(), password->text()};
}
