#include "LoginMemory.h"

LoginMemory::Question LoginMemory::Ask(const QString& site, const QString& realm) const
{
    const auto given = users_.constFind(KeyOf(site, realm));
    return given == users_.constEnd() ? Question{} : Question{true, *given};
}

void LoginMemory::Given(const QString& site, const QString& realm, const QString& user)
{
    users_.insert(KeyOf(site, realm), user);
}

void LoginMemory::Withdrawn(const QString& site, const QString& realm) { users_.remove(KeyOf(site, realm)); }

// A realm is the server's free text: the site comes first and ends at the first newline.
QString LoginMemory::KeyOf(const QString& site, const QString& realm) { return site + QLatin1Char('\n') + realm; }
