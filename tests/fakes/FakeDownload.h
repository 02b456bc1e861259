#pragma once
#include "platform/engine/Download.h"

#include <utility>

// A download that stays as it is set: still coming in, with the bytes received a test gives it.
class FakeDownload : public Download {
public:
    FakeDownload(QString name, QString source, qint64 total)
        : name_(std::move(name)), source_(std::move(source)), total_(total)
    {
    }

    qint64 received = 0;

    QString FileName() const override { return name_; }
    QString SourceAddress() const override { return source_; }
    qint64 TotalBytes() const override { return total_; }
    qint64 ReceivedBytes() const override { return received; }
    State state() const override { return State::Receiving; }
    QString FailureText() const override { return {}; }
    QString SavedPath() const override { return {}; }
    bool SaveAsAsked() const override { return false; }
    void SaveTo(const QString&, bool) override {}
    void Cancel() override {}

private:
    QString name_;
    QString source_;
    qint64 total_;
};
