#pragma once
#include "CookieLines.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QWebEngineCookieStore;

// How the copies of the program running at once share their cookies, while only one of them
// (the holder) ever writes the stored profile.
//
// The holder keeps its cookies, as they change, in the file inUse, which goes when it ends; it
// takes in the cookies the other copies left in the folder handedOver, at its start and within a
// second of their coming. Another copy (a guest) starts with the cookies of inUse, so it is
// logged in where the holder was; as it ends, it leaves in handedOver what it changed of them.
class CookieSharing : public QObject {
    Q_OBJECT
public:
    enum class Role { Holder, Guest };
    CookieSharing(Role role, QWebEngineCookieStore& store, QString inUse, QString handedOver);
    ~CookieSharing() override;

private:
    void Added(const QNetworkCookie& cookie);
    void Removed(const QNetworkCookie& cookie);
    void Changed();
    void WriteInUse();
    void TakeHandedOver(bool atStart);
    void Put(QNetworkCookie cookie);

    Role role_;
    QWebEngineCookieStore& store_;
    QString inUse_;
    QString handedOver_;
    CookieJar seeded_;       // a guest's cookies as it got them
    CookieJar jar_;          // the cookies as they are
    QTimer writeSoon_;       // after a write, while it runs, changes wait
    bool unwritten_ = false; // changes waiting
    QTimer lookForHandOvers_;
};
