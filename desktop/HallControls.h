#pragma once

#include "desktop/HallServer.h"
#include "desktop/RelayDialog.h"
#include "desktop/RelayLink.h"
#include "session/Hall.h"
#include "session/HallAnswers.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class CardView;
class QToolButton;
class QWidget;
class Stream;

// Letting the hall follow, at the window: where the page is found, the join code, which of the
// machine's addresses the phones are shown, the server that runs while the hall follows, the card
// a hall joins from and the badge that says how many follow (a click on it shows the card again).
class HallControls : public QObject {
    Q_OBJECT

public:
    HallControls(Stream& stream, QWidget& window);

    // Where the hall is served when the lecturer lets it follow from the menu; or the relay it
    // follows through, and the page phones open with it ("" for the page hosted with the relay).
    void SetPlace(const Hall::Place& place) { place_ = place; }
    void SetRelay(const Relay::Place& relay, const QString& page);
    // The relay chosen last time (all but its password), where the lecturer chose to use it.
    void LoadRelay();
    // The menu's "Follow through a relay...": the relay to use from the next time the hall
    // follows, kept for next time.
    void AskRelay();
    // The menu's "Let the hall follow": starts serving, or stops; a fault is said in a message.
    void Toggle();
    // The card over the middle of the window, the badge at its bottom right (where the caption
    // strip's words do not reach), at `scale` pixels a design pixel.
    void Place(double scale);
    bool CardShown() const;
    void HideCard();
    // The badge brought up to date with the question asked: "Hall: 37 following, 12 of 37
    // answered".
    void Sync();
    const HallAnswers& Answers() const { return answers_; }

    // Starts serving where `place` says; answers what kept it from starting, or the empty text.
    QString Start(const Hall::Place& place);
    // Starts publishing through the relay set (connecting goes on in the background).
    QString StartRelay();
    void Stop();
    bool Following() const { return server_.Serving() || relay_.Linked(); }
    // The card shows the next of the machine's addresses, where it has several (the A key).
    void NextHost();
    // The address a phone opens, with the join code; empty while the hall does not follow.
    const QString& Address() const { return address_; }
    HallServer& Server() { return server_; }
    RelayLink& Link() { return relay_; }

    // The folder the page is served from: $HOPSCAPE_PAGE, the installed page beside the program,
    // or the one this source tree builds.
    static QString PageFolder();
    // The machine's addresses a phone may reach, for a server on `host` (empty or a wildcard:
    // all of the machine's, of its networks that are up, the one a phone on the same network
    // most likely reaches first); a host given alone.
    static QStringList Hosts(const QString& host);

signals:
    void Changed();

private:
    void ShowBadge();
    // At the window's bottom right, as wide as what it says.
    void PlaceBadge();
    // The card a hall joins from: the address's QR code, the address, the join code.
    void ShowCard();
    // How the hall answered, over the table asked, once its answer is revealed; else none.
    void ShowHistogram();

    // A phone's answer, kept where it answers the question asked now.
    void Take(qint64 phone, int number, const QStringList& cells);

    QWidget& window_;
    Stream& stream_;
    HallServer server_;
    RelayLink relay_;
    HallAnswers answers_;
    Hall::Place place_;
    std::optional<Relay::Place> relayPlace_;
    QString relayPage_;
    RelayDialog::Choice relayChoice_;
    QString address_;
    QString code_;
    QStringList hosts_;
    int host_ = 0; // of hosts_, the one shown
    CardView* card_ = nullptr;
    CardView* histogram_ = nullptr;
    int histogramFor_ = 0; // the question whose histogram was last shown
    double scale_ = 1;     // pixels a design pixel
    QToolButton* badge_ = nullptr;
};
