#include "desktop/RelayLink.h"

#include "desktop/QtText.h"
#include "session/Hall.h"
#include "session/Stream.h"

#include <QMetaObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

// The client library calls back on threads of its own, at times even after the connection is
// destroyed: each link's mailbox outlives it, and hands what comes to the link while it is there.
struct RelayLink::Mailbox {
    std::mutex lock;
    QPointer<RelayLink> link;

    template <typename Call> void Post(Call call) {
        const std::lock_guard<std::mutex> held(lock);
        if (link != nullptr) {
            QMetaObject::invokeMethod(link.data(), std::move(call), Qt::QueuedConnection);
        }
    }

    static Mailbox& Of(void* closure) { return *static_cast<Mailbox*>(closure); }

    static void Message(natsConnection*, natsSubscription*, natsMsg* message, void* closure) {
        const char* reply = natsMsg_GetReply(message);
        QByteArray from(reply != nullptr ? reply : "");
        QByteArray data(natsMsg_GetData(message), natsMsg_GetDataLength(message));
        natsMsg_Destroy(message);
        Mailbox& mailbox = Of(closure);
        mailbox.Post([link = mailbox.link, from, data] {
            if (link != nullptr) {
                link->Received(from, data);
            }
        });
    }

    static void Said(void* closure, const QString& trouble) {
        Mailbox& mailbox = Of(closure);
        mailbox.Post([link = mailbox.link, trouble] {
            if (link != nullptr) {
                link->SetTrouble(trouble);
            }
        });
    }

    static QString LastError(natsConnection* connection) {
        const char* text = nullptr;
        natsConnection_GetLastError(connection, &text);
        return QString::fromUtf8(text != nullptr ? text : "");
    }

    static void Connected(natsConnection*, void* closure) { Said(closure, QString()); }
    static void Lost(natsConnection* connection, void* closure) {
        Said(closure, QString::fromStdString(Relay::Trouble(LastError(connection).toStdString())));
    }
    static void Error(natsConnection* connection, natsSubscription*, natsStatus status,
                      void* closure) {
        const QString error = LastError(connection);
        Said(closure, QString::fromStdString(Relay::Refused(
                          (error.isEmpty() ? QString::fromUtf8(natsStatus_GetText(status)) : error)
                              .toStdString())));
    }
};

namespace {

// Every mailbox ever handed to the library, kept until the program ends.
std::vector<std::unique_ptr<RelayLink::Mailbox>>& Mailboxes() {
    static std::vector<std::unique_ptr<RelayLink::Mailbox>> kept;
    return kept;
}

constexpr int kForgetEvery = 5000; // milliseconds
constexpr int kMostPhones = 20000;

} // namespace

RelayLink::RelayLink(Stream& stream, QObject* parent) : QObject(parent), stream_(stream) {
    connect(&frames_, &QTimer::timeout, this, &RelayLink::SendFrame);
    connect(&forget_, &QTimer::timeout, this, &RelayLink::Forget);
    clock_.start();
}

RelayLink::~RelayLink() {
    blockSignals(true);
    frames_.stop();
    if (connection_ != nullptr) {
        Stop();
    }
}

QString RelayLink::Start(const Relay::Place& place, const std::string& code, int frameEvery) {
    Stop();
    events_ = Relay::Events(code);
    Mailboxes().push_back(std::make_unique<Mailbox>());
    mailbox_ = Mailboxes().back().get();
    mailbox_->link = this;
    natsOptions_Create(&options_);
    const std::string server = Relay::Server(place);
    natsOptions_SetURL(options_, server.c_str());
    natsOptions_SetUserInfo(options_, place.user.c_str(),
                            place.password.empty() ? nullptr : place.password.c_str());
    natsOptions_SetName(options_, "hopscape lecturer");
    natsOptions_SetNoEcho(options_, true);
    natsOptions_SetTimeout(options_, 2000); // the window waits no longer at the start
    natsOptions_SetMaxReconnect(options_, -1);
    natsOptions_SetReconnectWait(options_, 2000);
    natsOptions_SetReconnectBufSize(options_, 4 * 1024 * 1024);
    natsOptions_SetDisconnectedCB(options_, &Mailbox::Lost, mailbox_);
    natsOptions_SetReconnectedCB(options_, &Mailbox::Connected, mailbox_);
    natsOptions_SetErrorHandler(options_, &Mailbox::Error, mailbox_);
    natsOptions_SetRetryOnFailedConnect(options_, true, &Mailbox::Connected, mailbox_);
    const natsStatus status = natsConnection_Connect(&connection_, options_);
    if (status != NATS_OK && status != NATS_NOT_YET_CONNECTED) {
        const QString fault = QtText("The relay at {relay} cannot be reached: {fault}",
                                     {{"relay", server}, {"fault", natsStatus_GetText(status)}});
        Stop();
        return fault;
    }
    const std::string answers = Relay::Answers(code);
    natsConnection_Subscribe(&answers_, connection_, answers.c_str(), &Mailbox::Message, mailbox_);
    // Not connected at once: the window says why while the library tries again.
    SetTrouble(status == NATS_OK ? QString()
                                 : QString::fromStdString(Relay::Trouble(
                                       Mailbox::LastError(connection_).toStdString())));
    stream_.Serve(true);
    frames_.start(frameEvery);
    forget_.start(kForgetEvery);
    return {};
}

void RelayLink::Stop() {
    frames_.stop();
    forget_.stop();
    if (mailbox_ != nullptr) {
        const std::lock_guard<std::mutex> held(mailbox_->lock);
        mailbox_->link = nullptr;
    }
    mailbox_ = nullptr;
    if (connection_ != nullptr) {
        stream_.Serve(false);
        Publish(events_, "stopped");
        natsConnection_FlushTimeout(connection_, 1000);
        natsSubscription_Destroy(answers_);
        natsConnection_Close(connection_);
        natsConnection_Destroy(connection_);
    }
    natsOptions_Destroy(options_);
    answers_ = nullptr;
    connection_ = nullptr;
    options_ = nullptr;
    const bool had = !phones_.isEmpty();
    phones_.clear();
    if (had) {
        emit FollowingChanged(0);
    }
}

void RelayLink::SetTrouble(const QString& trouble) {
    if (trouble != trouble_) {
        trouble_ = trouble;
        emit TroubleChanged(trouble_);
    }
}

void RelayLink::Publish(const std::string& subject, const std::string& text) {
    natsConnection_Publish(connection_, subject.c_str(), text.data(),
                           static_cast<int>(text.size()));
}

void RelayLink::SendFrame() {
    if (connection_ != nullptr && stream_.Gathering()) {
        Publish(events_, stream_.Frame());
    }
}

void RelayLink::Received(const QByteArray& reply, const QByteArray& data) {
    // A phone is known by its own reply subject; a message without one is no phone's.
    if (connection_ == nullptr || reply.isEmpty() || reply.size() > 128 ||
        data.size() > static_cast<qsizetype>(Hall::kLongestMessage)) {
        return;
    }
    const qint64 now = clock_.elapsed();
    auto found = phones_.find(reply);
    if (found == phones_.end()) {
        if (phones_.size() >= kMostPhones) {
            return;
        }
        found = phones_.insert(reply, Phone{nextId_++, now, -1000000});
        emit FollowingChanged(Following());
    }
    Phone& phone = found.value();
    phone.heard = now;
    if (now - phone.lastMessage < Hall::kMessageEvery) {
        return; // too soon: dropped, as on a hall's own network
    }
    phone.lastMessage = now;
    const Hall::Message message = Hall::Read(data.toStdString());
    switch (message.kind) {
    case Hall::Message::Kind::Snapshot: {
        const std::string snapshot = stream_.Snapshot();
        Publish(reply.toStdString(), snapshot.empty() ? "too long" : snapshot);
        break;
    }
    case Hall::Message::Kind::Answer: {
        QStringList cells;
        for (const std::string& cell : message.cells) {
            cells << QString::fromStdString(cell);
        }
        emit Answered(phone.id, message.number, cells);
        break;
    }
    case Hall::Message::Kind::Here:
    case Hall::Message::Kind::Refused:
        break;
    }
}

void RelayLink::Forget() {
    const qint64 now = clock_.elapsed();
    const qsizetype before = phones_.size();
    for (auto phone = phones_.begin(); phone != phones_.end();) {
        phone = now - phone->heard > Relay::kHereFor ? phones_.erase(phone) : std::next(phone);
    }
    if (phones_.size() != before) {
        emit FollowingChanged(Following());
    }
}
