// The login box, offscreen: what it lets the person send.
#include "platform/engine/impl/LoginBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs fill on the box once it shows, then AskLogin's answer.
std::optional<Login> Answer(const LoginQuestion& question, const std::function<void(QWidget&)>& fill)
{
    QTimer::singleShot(0, [fill] {
        if (QWidget* box = QApplication::activeModalWidget())
            fill(*box);
    });
    return AskLogin(nullptr, question);
}

QPushButton* ButtonOf(QWidget& box, const QString& text)
{
    for (QPushButton* button : box.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(LoginBox, NothingIsSentWithoutAUserName)
{
    const auto login = Answer({false, QStringLiteral("sito.it"), QStringLiteral("Archivio"), false, {}},
                              [](QWidget& box) {
                                  QPushButton* ok = ButtonOf(box, QStringLiteral("OK"));
                                  ASSERT_TRUE(ok);
                                  EXPECT_FALSE(ok->isEnabled());
                                  box.findChildren<QLineEdit*>().at(0)->setText(QStringLiteral("   "));
                                  EXPECT_FALSE(ok->isEnabled()); // blanks are no name
                                  box.findChildren<QLineEdit*>().at(0)->setText(QStringLiteral("mario"));
                                  box.findChildren<QLineEdit*>().at(1)->setText(QStringLiteral("segreta"));
                                  ok->click();
                              });
    ASSERT_TRUE(login);
    EXPECT_EQ(login->user, QStringLiteral("mario"));
    EXPECT_EQ(login->password, QStringLiteral("segreta"));
}

TEST(LoginBox, AnsweredWrongItKeepsTheUserNameAndAnnullaGivesNothing)
{
    const auto login = Answer({false, QStringLiteral("sito.it"), {}, true, QStringLiteral("mario")}, [](QWidget& box) {
        EXPECT_EQ(box.findChildren<QLineEdit*>().at(0)->text(), QStringLiteral("mario"));
        ButtonOf(box, QStringLiteral("Annulla"))->click();
    });
    EXPECT_FALSE(login);
}

} // namespace
