#pragma once
#include <QObject>
#include <QString>

// A file the engine is receiving for the user. It comes in under a partial name of its own and
// reaches the place the user chose only once it is whole: a failed or cancelled download leaves
// nothing under that name, and an existing file there is never replaced unless the user agreed.
class Download : public QObject {
    Q_OBJECT
public:
    enum class State { Receiving, Saved, Failed, Cancelled };

    virtual QString FileName() const = 0; // the name offered, safe to create
    virtual QString SourceAddress() const = 0;
    virtual qint64 TotalBytes() const = 0; // -1 when the server does not say
    virtual qint64 ReceivedBytes() const = 0;
    virtual State state() const = 0;
    virtual QString FailureText() const = 0; // why it failed, in the user's language
    virtual QString SavedPath() const = 0;   // Windows form, once saved
    // The user asked to save this very file (an image of the page's menu): ask where at once.
    virtual bool SaveAsAsked() const = 0;

    // Where the file goes once whole (Windows form). replace: the user agreed to replace a file
    // there; otherwise a free name beside it is taken.
    virtual void SaveTo(const QString& path, bool replace) = 0;
    virtual void Cancel() = 0;

signals:
    void changed();
};
