#pragma once
#include <QHash>
#include <QString>

// The logins the person gave while the program runs, per site and realm. The engine keeps the
// ones that work, in memory, and asks no more for them; asked again for a site and realm the
// person answered, it found the answer wrong.
class LoginMemory {
public:
    struct Question {
        bool wrongBefore = false; // the last answer for it was refused
        QString user;             // the user name last given for it, to offer again
    };

    Question Ask(const QString& site, const QString& realm) const;
    // The person gave that user name (and a password, which is never kept here).
    void Given(const QString& site, const QString& realm, const QString& user);
    // The person gave none: the next question starts afresh.
    void Withdrawn(const QString& site, const QString& realm);

private:
    static QString KeyOf(const QString& site, const QString& realm);
    QHash<QString, QString> users_;
};
