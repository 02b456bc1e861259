#include "PermissionRequests.h"

#include "platform/engine/PagePolicy.h"

#include <QHash>
#include <QPointer>
#include <QWebEngineProfile>

#include <optional>
#include <utility>

namespace {

PagePermission PermissionOf(QWebEnginePage::Feature feature)
{
    switch (feature) {
    case QWebEnginePage::Geolocation:
        return PagePermission::Location;
    case QWebEnginePage::Notifications:
        return PagePermission::Notifications;
    case QWebEnginePage::MediaVideoCapture:
        return PagePermission::Camera;
    case QWebEnginePage::MediaAudioCapture:
        return PagePermission::Microphone;
    case QWebEnginePage::MediaAudioVideoCapture:
        return PagePermission::CameraAndMicrophone;
    case QWebEnginePage::MouseLock:
        return PagePermission::MouseLock;
    case QWebEnginePage::DesktopVideoCapture:
    case QWebEnginePage::DesktopAudioVideoCapture:
        break;
    }
    return PagePermission::ScreenSharing;
}

// The answers the person gave, by site and permission, for every page of one profile: they go
// with it.
class GivenAnswers : public QObject {
public:
    using QObject::QObject;

    static GivenAnswers& Of(QWebEngineProfile& profile)
    {
        for (QObject* child : profile.children()) {
            if (auto* answers = dynamic_cast<GivenAnswers*>(child))
                return *answers;
        }
        return *new GivenAnswers(&profile);
    }

    std::optional<bool> Find(const QUrl& origin, QWebEnginePage::Feature feature) const
    {
        const auto found = given_.constFind(Key(origin, feature));
        return found == given_.cend() ? std::nullopt : std::optional<bool>(*found);
    }
    void Keep(const QUrl& origin, QWebEnginePage::Feature feature, bool allow)
    {
        given_.insert(Key(origin, feature), allow);
    }

private:
    static QString Key(const QUrl& origin, QWebEnginePage::Feature feature)
    {
        return QString::number(feature) + QLatin1Char(' ') + origin.toString(QUrl::FullyEncoded);
    }
    QHash<QString, bool> given_;
};

void Reply(QWebEnginePage& page, const QUrl& origin, QWebEnginePage::Feature feature, bool allow)
{
    page.setFeaturePermission(origin, feature,
                              allow ? QWebEnginePage::PermissionGrantedByUser : QWebEnginePage::PermissionDeniedByUser);
}

} // namespace

class PermissionRequests::Question : public PermissionQuestion {
public:
    Question(QWebEnginePage& page, const QUrl& origin, QWebEnginePage::Feature feature)
        : page_(&page), origin_(origin), feature_(feature), askedOn_(page.url())
    {
    }
    ~Question() override { Answer(false); }

    // A page of the disk's has no site to name.
    QString Site() const override
    {
        return origin_.host().isEmpty() ? QStringLiteral("Questa pagina") : origin_.host();
    }
    PagePermission Permission() const override { return PermissionOf(feature_); }
    bool Waiting() const override { return waiting_ && page_; }
    void Answer(bool allow) override
    {
        if (!Waiting())
            return;
        waiting_ = false;
        GivenAnswers::Of(*page_->profile()).Keep(origin_, feature_, allow);
        Reply(*page_, origin_, feature_, allow);
    }
    void Withdraw() { waiting_ = false; }
    bool Asks(const QUrl& origin, QWebEnginePage::Feature feature) const
    {
        return origin == origin_ && feature == feature_;
    }
    // The document on display when it was asked.
    const QUrl& AskedOn() const { return askedOn_; }

private:
    QPointer<QWebEnginePage> page_;
    QUrl origin_;
    QWebEnginePage::Feature feature_;
    QUrl askedOn_;
    bool waiting_ = true;
};

PermissionRequests::PermissionRequests(QWebEnginePage& page) : QObject(&page), page_(page)
{
    connect(&page_, &QWebEnginePage::featurePermissionRequested, this, &PermissionRequests::OnRequested);
    connect(&page_, &QWebEnginePage::featurePermissionRequestCanceled, this, &PermissionRequests::OnCanceled);
}

PermissionRequests::~PermissionRequests()
{
    // Questions still held elsewhere cannot answer for a page that goes.
    for (const auto& held : waiting_) {
        if (const auto question = held.lock())
            question->Withdraw();
    }
}

void PermissionRequests::OnRequested(const QUrl& origin, QWebEnginePage::Feature feature)
{
    if (const std::optional<bool> given = GivenAnswers::Of(*page_.profile()).Find(origin, feature)) {
        Reply(page_, origin, feature, *given);
        return;
    }
    std::erase_if(waiting_, [](const std::weak_ptr<Question>& held) {
        const auto question = held.lock();
        return !question || !question->Waiting();
    });
    // Asked again before the answer: the one answer answers both.
    for (const auto& held : waiting_) {
        if (held.lock()->Asks(origin, feature))
            return;
    }
    auto question = std::make_shared<Question>(page_, origin, feature);
    waiting_.push_back(question);
    emit asked(std::move(question)); // dropped unanswered by every receiver: answered "no" here
}

void PermissionRequests::OnCanceled(const QUrl& origin, QWebEnginePage::Feature feature)
{
    for (const auto& held : waiting_) {
        if (const auto question = held.lock(); question && question->Asks(origin, feature))
            question->Withdraw();
    }
    emit ended();
}

void PermissionRequests::PageLeft(const QUrl& shown)
{
    // Taken from the list before they are answered: an answer reaches the engine.
    std::vector<std::shared_ptr<Question>> left;
    std::erase_if(waiting_, [&](const std::weak_ptr<Question>& held) {
        const auto question = held.lock();
        if (!question || !question->Waiting())
            return true;
        if (!LeavesPage(question->AskedOn(), shown))
            return false;
        left.push_back(question);
        return true;
    });
    for (const auto& question : left)
        question->Answer(false);
    if (!left.empty())
        emit ended();
}
