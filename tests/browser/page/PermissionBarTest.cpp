#include "browser/page/PermissionBar.h"
#include "fakes/FakeWebBrowser.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

namespace {

// A page's question; it records the answer it got.
class FakeQuestion : public PermissionQuestion {
public:
    FakeQuestion(QString site, PagePermission permission) : site_(std::move(site)), permission_(permission) {}
    QString Site() const override { return site_; }
    PagePermission Permission() const override { return permission_; }
    bool Waiting() const override { return waiting && !answer; }
    void Answer(bool allow) override { answer = allow; }

    bool waiting = true;
    std::optional<bool> answer;

private:
    QString site_;
    PagePermission permission_;
};

class PermissionBarTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeQuestion> Ask(PagePermission permission, const QString& site = QStringLiteral("a.it"))
    {
        auto question = std::make_shared<FakeQuestion>(site, permission);
        bar.Add(question);
        return question;
    }

    QWidget window;
    FakeWebBrowser page{&window};
    PermissionBar bar{page, &window};
};

TEST_F(PermissionBarTest, AsksEachInTurnAndPassesOnTheAnswers)
{
    const auto location = Ask(PagePermission::Location);
    const auto camera = Ask(PagePermission::Camera, QStringLiteral("b.it"));
    const auto pointer = Ask(PagePermission::MouseLock);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_EQ(bar.lblQuestion->text(), QStringLiteral("a.it chiede di conoscere la tua posizione"));
    bar.cmdAllow->click();
    EXPECT_EQ(location->answer, true);
    EXPECT_EQ(bar.lblQuestion->text(), QStringLiteral("b.it chiede di usare la videocamera"));
    bar.cmdBlock->click();
    EXPECT_EQ(camera->answer, false);
    // Closing the bar is no consent.
    bar.cmdClose->click();
    EXPECT_EQ(pointer->answer, false);
    EXPECT_TRUE(bar.isHidden());
}

TEST_F(PermissionBarTest, QuestionsEndedWithoutThePersonGoUnanswered)
{
    const auto withdrawn = Ask(PagePermission::Notifications);
    const auto kept = Ask(PagePermission::Microphone);
    withdrawn->waiting = false;
    bar.DropEnded();
    EXPECT_EQ(bar.lblQuestion->text(), QStringLiteral("a.it chiede di usare il microfono"));
    kept->waiting = false;
    bar.DropEnded();
    EXPECT_TRUE(bar.isHidden());
    EXPECT_FALSE(withdrawn->answer);
    EXPECT_FALSE(kept->answer);
}

TEST(PermissionQuestionText, NamesTheSiteAndWhatItWants)
{
    const struct {
        PagePermission permission;
        const char* text;
    } cases[] = {
        {PagePermission::Notifications, "s.it chiede di mostrare notifiche"},
        {PagePermission::CameraAndMicrophone, "s.it chiede di usare videocamera e microfono"},
        {PagePermission::ScreenSharing, "s.it chiede di condividere lo schermo"},
        {PagePermission::MouseLock, "s.it chiede di bloccare il puntatore"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PermissionQuestionText(QStringLiteral("s.it"), c.permission), QString::fromUtf8(c.text));
}

} // namespace
