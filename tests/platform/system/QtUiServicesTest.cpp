#include "platform/system/impl/QtUiServices.h"
#include "support/QtPrinters.h"
#include "support/TempDriveC.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs act on the first dialog of type T that comes up while the caller is inside its modal run.
template <typename T> void WhenShown(std::function<void(T&)> act)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(*dialog);
        }
    });
    poll->start(10);
}

struct BoxCase {
    MsgButtons buttons;
    QMessageBox::StandardButton click;
    int answer;
    const char* clickedText;
};

class MsgBoxTest : public ::testing::TestWithParam<BoxCase> {
protected:
    TempDriveC drive_;
    QtUiServices ui_{drive_.fs};
};

TEST_P(MsgBoxTest, AnswersByTheRuntimesNumbers)
{
    const BoxCase c = GetParam();
    QString text, title, buttonText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool enterSaysNo = false;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
        text = box.text();
        title = box.windowTitle();
        icon = box.icon();
        enterSaysNo = box.defaultButton() && box.standardButton(box.defaultButton()) == QMessageBox::No;
        buttonText = box.button(c.click)->text();
        box.button(c.click)->click();
    });
    EXPECT_EQ(ui_.MsgBox(QStringLiteral("Confermi <b>tutto</b>:  \r\rprima riga"), c.buttons, MsgIcon::Exclamation,
                         kProgramTitle),
              c.answer);
    EXPECT_EQ(text, QStringLiteral("Confermi <b>tutto</b>:  \n\nprima riga"));
    EXPECT_EQ(title, QStringLiteral("Vindrel"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttonText, QString::fromUtf8(c.clickedText));
    EXPECT_EQ(enterSaysNo, c.buttons == MsgButtons::YesNoDefaultNo);
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, MsgBoxTest,
    ::testing::Values(BoxCase{MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok, "OK"},
                      BoxCase{MsgButtons::OkCancel, QMessageBox::Ok, MsgAnswer::Ok, "OK"},
                      BoxCase{MsgButtons::OkCancel, QMessageBox::Cancel, MsgAnswer::Cancel, "Annulla"},
                      BoxCase{MsgButtons::YesNo, QMessageBox::Yes, MsgAnswer::Yes, "Sì"},
                      BoxCase{MsgButtons::YesNo, QMessageBox::No, MsgAnswer::No, "No"},
                      BoxCase{MsgButtons::YesNoDefaultNo, QMessageBox::Yes, MsgAnswer::Yes, "Sì"}));

class QtUiServicesTest : public ::testing::Test {
protected:
    TempDriveC drive_;
    QtUiServices ui_{drive_.fs};
};

TEST_F(QtUiServicesTest, EscapeOnAQuestionIsCancelAndIconsMap)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
        icon = box.icon();
        box.reject();
    });
    EXPECT_EQ(ui_.MsgBox(QStringLiteral("Cerca di aprire nuovo sito: x"), MsgButtons::OkCancel, MsgIcon::Stop,
                         QStringLiteral("Apre nella stessa finestra")),
              MsgAnswer::Cancel);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(QtUiServicesTest, HourglassIsIdempotent)
{
    ui_.SetHourglass(true);
    ui_.SetHourglass(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui_.SetHourglass(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ui_.SetHourglass(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtUiServicesTest, DoEventsAndPauseLetPendingEventsRun)
{
    int ran = 0;
    QTimer::singleShot(0, qApp, [&ran] { ++ran; });
    ui_.DoEvents();
    EXPECT_EQ(ran, 1);

    QTimer::singleShot(100, qApp, [&ran] { ++ran; });
    QElapsedTimer clock;
    clock.start();
    ui_.Pause();
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(ran, 2);
}

TEST_F(QtUiServicesTest, ModalRunEndsWhenTheWindowIsHiddenOrDestroyed)
{
    QWidget hidden;
    hidden.show();
    QTimer::singleShot(50, &hidden, &QWidget::hide);
    ui_.RunModal(hidden);
    EXPECT_FALSE(hidden.isVisible());

    auto* destroyed = new QWidget;
    destroyed->show();
    QTimer::singleShot(50, destroyed, [destroyed] { delete destroyed; });
    ui_.RunModal(*destroyed);

    QWidget neverShown;
    ui_.RunModal(neverShown); // returns at once
}

TEST_F(QtUiServicesTest, ModalRunOutlastsAMinimise)
{
    QWidget window;
    window.show();
    bool hiddenByTheProgram = false;
    QTimer::singleShot(20, &window, [&] {
        window.showMinimized(); // the window system hides it, the program does not
        QTimer::singleShot(50, &window, [&] {
            hiddenByTheProgram = true;
            window.hide();
        });
    });
    ui_.RunModal(window);
    EXPECT_TRUE(hiddenByTheProgram);
}

TEST_F(QtUiServicesTest, FileDialogGivesTheWindowsFormOfTheChoiceOrTheRequestWhenCancelled)
{
    drive_.Write(QStringLiteral("FOTO/sf2.jpg"), "x");
    const FileDialogRequest request{QStringLiteral("Scegli lo sfondo"),
                                    QStringLiteral("C:\\FOTO\\*.*"),
                                    QStringLiteral("*.JPG"),
                                    {}};

    QString title, folder;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        folder = dialog.directory().absolutePath();
        // The dialog does not write a chosen file into its name box while that box has the
        // focus, which it may have got by the time this runs.
        if (QWidget* focused = dialog.focusWidget())
            focused->clearFocus();
        dialog.selectFile(drive_.host(QStringLiteral("FOTO/sf2.jpg")));
        dialog.QDialog::accept(); // not the file dialog's own accept, which may wait for its folder listing
    });
    EXPECT_EQ(ui_.OpenFileDialog(nullptr, request), QStringLiteral("C:\\FOTO\\sf2.jpg"));
    EXPECT_EQ(title, QStringLiteral("Scegli lo sfondo"));
    EXPECT_EQ(folder, drive_.host(QStringLiteral("FOTO")));

    WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ui_.OpenFileDialog(nullptr, request), request.fileName);
}

TEST_F(QtUiServicesTest, SavingOverAFileNamedInAnotherCaseAsksFirst)
{
    drive_.Write(QStringLiteral("CONTI/conto.pdf"), "x");
    QString question;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        if (QWidget* focused = dialog.focusWidget())
            focused->clearFocus();
        dialog.selectFile(drive_.host(QStringLiteral("CONTI/CONTO.PDF")));
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            question = box.text();
            WhenShown<QFileDialog>([](QFileDialog& again) { again.reject(); });
            box.button(QMessageBox::No)->click();
        });
        dialog.QDialog::accept();
    });
    EXPECT_TRUE(
        ui_.SaveFileDialog(nullptr, QStringLiteral("Salva come PDF"), QStringLiteral("C:\\CONTI\\pagina.pdf"), {})
            .path.isEmpty());
    EXPECT_EQ(question, QStringLiteral("Il file C:\\CONTI\\CONTO.PDF esiste già.\n\nSostituirlo ?"));
}

// In a child process: once ended, no event loop of this process runs again.
TEST_F(QtUiServicesTest, EndingLetsTheCallerFinishThenEndsTheEventLoops)
{
    const auto endThenRunALoop = [this] {
        ui_.EndProgram(false);
        // Returned to the caller; the loop that runs next is ended with success.
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        std::exit(loop.exec() == 0 ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(endThenRunALoop(), ::testing::ExitedWithCode(0), "");
}

TEST_F(QtUiServicesTest, EndingImmediatelyExitsAtOnceWithSuccess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ui_.EndProgram(true), ::testing::ExitedWithCode(0), "");
}

} // namespace
