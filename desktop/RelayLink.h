#pragma once

#include "session/Relay.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>

#include <nats/nats.h>

class Stream;

// The lecture through a relay (a NATS server, by the NATS C client): the frames the stream
// gathers, five a second, go to the lecture's events; a phone's "snapshot" is answered on its own
// reply subject; its answers come in, one message a second a phone, each under
// Hall::kLongestMessage bytes. A phone is known by its reply subject and counted while it says it
// is there. Connecting goes on in the background and is tried again while the relay is down: the
// window never waits for it, and says how it stands.
class RelayLink : public QObject {
    Q_OBJECT

public:
    explicit RelayLink(Stream& stream, QObject* parent = nullptr);
    ~RelayLink() override;

    // Publishes lecture `code` at the relay `place`, a frame every `frameEvery` milliseconds.
    // Returns what kept it from even trying, or the empty text.
    QString Start(const Relay::Place& place, const std::string& code, int frameEvery = 200);
    // Every phone is told the lecture stopped following, and the connection closes.
    void Stop();
    bool Linked() const { return connection_ != nullptr; }
    // The phones heard from in the last Relay::kHereFor milliseconds.
    int Following() const { return static_cast<int>(phones_.size()); }
    // How the link stands where it is not connected: "Relay: unreachable, trying again",
    // "Relay: refused: Authorization Violation"; empty while connected.
    const QString& Trouble() const { return trouble_; }

    // What the client library's threads hand over, to be taken on this object's thread.
    struct Mailbox;

signals:
    void FollowingChanged(int following);
    void Answered(qint64 phone, int number, const QStringList& cells);
    void TroubleChanged(const QString& trouble);

private:
    friend struct Mailbox;
    void Received(const QByteArray& reply, const QByteArray& data);
    void SetTrouble(const QString& trouble);
    void SendFrame();
    void Publish(const std::string& subject, const std::string& text);
    // Phones not heard from for Relay::kHereFor are no longer counted.
    void Forget();

    struct Phone {
        qint64 id = 0;
        qint64 heard = 0;              // when it last sent, on clock_
        qint64 lastMessage = -1000000; // when a message of it was last taken
    };

    Stream& stream_;
    std::string events_;
    Mailbox* mailbox_ = nullptr; // kept while the library may still call back
    natsOptions* options_ = nullptr;
    natsConnection* connection_ = nullptr;
    natsSubscription* answers_ = nullptr;
    QTimer frames_;
    QTimer forget_;
    QElapsedTimer clock_;
    QHash<QByteArray, Phone> phones_;
    qint64 nextId_ = 1;
    QString trouble_;
};
