#pragma once
#include "DriveAddressPage.h"
#include "PageDialogBoxes.h"
#include "PermissionRequests.h"
#include "platform/engine/PagePolicy.h"

#include <QElapsedTimer>
#include <QUrl>
#include <memory>
#include <optional>

class QWebEngineLoadingInfo;

// The page of a browser control: drive addresses as its base reaches them, and what the page may
// ask of its user (PagePolicy.h). Its dialogs come one at a time, from the second on with the
// offer to stop the rest until the user leaves the page, and the program's own questions about it
// take their turns with them; the end of its renderer soon after the user answered for the last
// one is told apart. Its sites' logins and doubtful certificates are put to the user
// (LoginRequests.h, CertificateErrors.h); what it asks to use waits for the person's answer
// (PermissionRequests); it may fill the screen (FullscreenRequests).
class BrowserPage : public DriveAddressPage {
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent);

    PageDialogTurn TakeDialogTurn() { return PageDialogTurn(dialogs_); }
    bool DialogShowing() const { return dialogs_->showing; }
    // Its requests for permissions, to be put to the person.
    PermissionRequests& Permissions() { return *permissions_; }

    // The page's renderer ended: whether it ended again soon after the user answered for its last end.
    bool RendererEnded();
    // The user answered for it (the page may be loading again meanwhile).
    void RendererEndAnswered() { sinceEndAnswered_.start(); }

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                          QString* result) override;

private:
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    // The page's dialog in its turn; nullopt when refused.
    std::optional<PageDialogAnswer> Ask(PageDialogKind kind, const QString& message, const QString& defaultText = {});

    PermissionRequests* permissions_;
    std::shared_ptr<PageDialogs> dialogs_ = std::make_shared<PageDialogs>();
    QUrl entered_;      // the page they are counted on
    QString lastEnded_; // the page whose renderer ended last
    QElapsedTimer sinceEndAnswered_;
};
