#pragma once
#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <memory>

// What a page may ask of its user, so that no page can lock the user in.
//
// A page's dialogs (alert, confirm, prompt, and the program's questions about a window it wants)
// come one at a time; from the second on, each offers to stop the page's further dialogs until
// the user leaves the page: the page's dialogs are then refused without a word.
struct PageDialogs {
    int shown = 0;        // since the page was entered
    bool stopped = false; // the user stopped them
    bool showing = false; // one is on display
};

// The offer, a check box of each dialog from the second on.
inline const QString kStopPageDialogs = QStringLiteral("Impedisci a questa pagina di aprire altre finestre di dialogo");

enum class DialogTurn {
    Show,
    ShowOfferingStop, // with the offer to stop the rest
    Refuse,           // show nothing
};

// The turn of the next dialog the page asks for.
DialogTurn DialogTurnOf(const PageDialogs& dialogs);

// Whether loading a document at `loading` leaves the page at `page`: its own address again, with
// another query or place in it, is no other page (a page reloading itself stays the same page).
bool LeavesPage(const QUrl& page, const QUrl& loading);

// One dialog of a page while it is on display; it ends as the object goes, even after the page.
class PageDialogTurn {
public:
    // Takes the next turn of the page whose dialogs these are.
    explicit PageDialogTurn(const std::shared_ptr<PageDialogs>& dialogs);
    ~PageDialogTurn();
    PageDialogTurn(PageDialogTurn&& other) noexcept;
    PageDialogTurn& operator=(PageDialogTurn&&) = delete;
    PageDialogTurn(const PageDialogTurn&) = delete;

    DialogTurn turn() const { return turn_; }
    // The user chose to stop the page's further dialogs.
    void StopTheRest();

private:
    std::weak_ptr<PageDialogs> dialogs_; // empty when refused
    DialogTurn turn_ = DialogTurn::Refuse;
};

// A page's renderer that ends again soon after the user answered for its last end, on the same
// page, is reported and no more offered for reloading: a page whose renderer ends as it loads
// would otherwise ask for ever.
inline constexpr qint64 kEndedAgainWithinMs = 30000;

// Whether the renderer of the page at `address` ended again soon: `lastEnded` is the page whose
// renderer ended last, msSinceAnswered the time since the user answered for it (-1: never).
bool EndedAgainSoon(const QString& lastEnded, qint64 msSinceAnswered, const QString& address);
