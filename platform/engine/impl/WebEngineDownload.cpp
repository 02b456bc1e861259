#include "WebEngineDownload.h"

#include "platform/VbError.h"
#include "platform/files/DownloadNames.h"
#include "platform/files/FileSystem.h"
#include "platform/files/impl/FilePlacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>

namespace {

using Reason = QWebEngineDownloadRequest::DownloadInterruptReason;

QString ReasonText(Reason reason)
{
    switch (reason) {
    case Reason::FileNoSpace:
        return QStringLiteral("spazio su disco esaurito");
    case Reason::FileAccessDenied:
        return QStringLiteral("accesso negato alla cartella");
    case Reason::NetworkFailed:
    case Reason::NetworkTimeout:
    case Reason::NetworkDisconnected:
    case Reason::NetworkServerDown:
    case Reason::NetworkInvalidRequest:
        return QStringLiteral("errore di rete");
    case Reason::ServerFailed:
    case Reason::ServerBadContent:
    case Reason::ServerUnauthorized:
    case Reason::ServerCertProblem:
    case Reason::ServerForbidden:
    case Reason::ServerUnreachable:
        return QStringLiteral("il server non ha inviato il file");
    default:
        return QStringLiteral("errore nella scrittura del file");
    }
}

} // namespace

WebEngineDownload::WebEngineDownload(QWebEngineDownloadRequest& request, FileSystem& fs, const QString& folderHost,
                                     bool saveAsAsked)
    : request_(&request), fs_(fs), name_(SafeFileName(request.suggestedFileName())), source_(request.url().toString()),
      saveAsAsked_(saveAsAsked), total_(request.totalBytes())
{
    partialHost_ = FreeHostPath(QDir(folderHost).filePath(name_ + QStringLiteral(".part")));
    request.setDownloadDirectory(folderHost);
    request.setDownloadFileName(QFileInfo(partialHost_).fileName());
    connect(&request, &QWebEngineDownloadRequest::receivedBytesChanged, this, &WebEngineDownload::OnProgress);
    connect(&request, &QWebEngineDownloadRequest::totalBytesChanged, this, &WebEngineDownload::OnProgress);
    connect(&request, &QWebEngineDownloadRequest::stateChanged, this, &WebEngineDownload::OnStateChanged);
    request.accept();
}

WebEngineDownload::~WebEngineDownload()
{
    // Gone before the user chose, or with the program: nothing half-received stays behind.
    if (state_ == State::Receiving) {
        if (request_)
            request_->cancel();
        QFile::remove(partialHost_);
    }
}

void WebEngineDownload::OnProgress()
{
    received_ = request_->receivedBytes();
    total_ = request_->totalBytes();
    emit changed();
}

void WebEngineDownload::OnStateChanged()
{
    switch (request_->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        received_ = request_->receivedBytes();
        if (total_ < 0)
            total_ = received_;
        whole_ = true;
        PlaceWhenWhole();
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        End(State::Failed, ReasonText(request_->interruptReason()));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        End(State::Cancelled);
        break;
    default:
        break;
    }
}

void WebEngineDownload::SaveTo(const QString& path, bool replace)
{
    if (state_ != State::Receiving)
        return;
    targetHost_ = fs_.HostPathForWriting(path);
    replace_ = replace;
    if (targetHost_.isEmpty())
        End(State::Failed, QStringLiteral("cartella inesistente"));
    else
        PlaceWhenWhole();
}

void WebEngineDownload::PlaceWhenWhole()
{
    if (!whole_ || targetHost_.isEmpty() || state_ != State::Receiving)
        return;
    try {
        savedPath_ = fs_.WindowsPath(PlaceFile(partialHost_, targetHost_, replace_));
    } catch (const VbError&) {
        End(State::Failed, QStringLiteral("impossibile scrivere il file"));
        return;
    }
    state_ = State::Saved;
    emit changed();
}

void WebEngineDownload::Cancel()
{
    if (state_ != State::Receiving)
        return;
    if (request_ && !request_->isFinished())
        request_->cancel();
    End(State::Cancelled);
}

void WebEngineDownload::End(State state, const QString& failure)
{
    if (state_ != State::Receiving)
        return;
    QFile::remove(partialHost_);
    state_ = state;
    failure_ = failure;
    emit changed();
}
