#pragma once
#include "platform/engine/Download.h"

#include <QPointer>

class FileSystem;
class QWebEngineDownloadRequest;

// A download of the engine, accepted at once into "name.part" in a folder of the user's, so that
// it comes in while the user decides; it is moved to the chosen place once whole.
class WebEngineDownload : public Download {
    Q_OBJECT
public:
    // request: not yet accepted; folderHost: where the partial file goes.
    WebEngineDownload(QWebEngineDownloadRequest& request, FileSystem& fs, const QString& folderHost, bool saveAsAsked);
    ~WebEngineDownload() override;

    QString FileName() const override { return name_; }
    QString SourceAddress() const override { return source_; }
    qint64 TotalBytes() const override { return total_; }
    qint64 ReceivedBytes() const override { return received_; }
    State state() const override { return state_; }
    QString FailureText() const override { return failure_; }
    QString SavedPath() const override { return savedPath_; }
    bool SaveAsAsked() const override { return saveAsAsked_; }
    void SaveTo(const QString& path, bool replace) override;
    void Cancel() override;

private:
    void OnProgress();
    void OnStateChanged();
    void PlaceWhenWhole();
    void End(State state, const QString& failure = {});

    QPointer<QWebEngineDownloadRequest> request_;
    FileSystem& fs_;
    QString name_;
    QString source_;
    QString partialHost_;
    QString targetHost_; // empty until the user chose
    bool replace_ = false;
    bool whole_ = false;
    bool saveAsAsked_;
    State state_ = State::Receiving;
    QString failure_;
    QString savedPath_;
    qint64 total_ = -1;
    qint64 received_ = 0;
};
