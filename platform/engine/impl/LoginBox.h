#pragma once
#include <QString>
#include <optional>

class QWidget;

struct LoginQuestion {
    bool proxy = false;       // the proxy asks, not the site
    QString host;             // the site's, or the proxy's
    QString realm;            // what the server calls the protected part; empty: it gives none
    bool wrongBefore = false; // the last answer was refused
    QString user;             // the user name to offer
};

struct Login {
    QString user; // never empty
    QString password;
};

// The box "Autenticazione richiesta" over the page's window; nullopt when the person cancels.
// Modal: the engine waits for the answer.
std::optional<Login> AskLogin(QWidget* over, const LoginQuestion& question);
