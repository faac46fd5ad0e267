#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <string>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;
class Stream;

// The hall served from this machine: the page's files and the lecture's stream to the phones of
// a hall, on one port (RelayLink carries the same stream through a relay). A GET is answered from a
// fixed table of the page's files, read and compressed ahead (no address maps to a path on disk);
// an Upgrade to the stream, from the page's own origin with the join code, is handed to the
// WebSocket server. Every follower is sent a snapshot on joining, then the frames the stream
// gathers, five a second; from a follower only a request for a snapshot or an answer is taken, at
// most one message a second, each under Hall::kLongestMessage bytes. A follower that stops reading
// is dropped (it may join again).
class HallServer : public QObject {
    Q_OBJECT

public:
    struct Limits {
        int perAddress = 5;
        int total = 1000;
        qint64 unsent = 256 * 1024; // bytes waiting to go to one follower
        int requestHead = 8192;     // an HTTP request's head
        int frameEvery = 200;       // milliseconds between frames
    };

    HallServer(Stream& stream, QObject* parent = nullptr);
    ~HallServer() override;

    // Serves on `address` and `port` (0: a free one) the page in folder `page` (the files
    // `scripts/run.sh --web` builds, each beside its .gz) with the join code `code`. Returns what
    // kept it from serving, or the empty text.
    QString Start(const QHostAddress& address, quint16 port, const QString& page,
                  const std::string& code, const Limits& limits);
    QString Start(const QHostAddress& address, quint16 port, const QString& page,
                  const std::string& code) {
        return Start(address, port, page, code, Limits{});
    }
    // Every follower is told the lecture stopped following, and the port closes.
    void Stop();
    bool Serving() const;
    quint16 Port() const;
    int Following() const { return static_cast<int>(followers_.size()); }

signals:
    void FollowingChanged(int following);
    // A follower's answer to question `number`, by the follower (a number that is no one's
    // address), its cells as sent.
    void Answered(qint64 follower, int number, const QStringList& cells);

private:
    struct File {
        QByteArray body; // gzip
        QByteArray type;
        QByteArray tag; // an ETag: the same bytes, the same tag
        bool cached = true;
    };
    struct Follower {
        qint64 id = 0;
        QHostAddress address;
        qint64 lastMessage = -1000000; // when it last sent, on clock_
    };

    QString Load(const QString& page);
    void Accept();
    void ReadHead(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QByteArray& status, const QByteArray& headers = {},
                const QByteArray& body = {});
    void Join();
    void Received(QWebSocket* socket, const QString& message);
    void Send(QWebSocket* socket, const QString& text);
    void Leave(QWebSocket* socket);
    void SendFrame();
    int FromAddress(const QHostAddress& address) const;

    Stream& stream_;
    Limits limits_;
    std::string code_;
    std::unique_ptr<QTcpServer> tcp_;
    std::unique_ptr<QWebSocketServer> sockets_;
    std::map<QByteArray, File> files_;
    std::map<QWebSocket*, Follower> followers_;
    qint64 nextId_ = 1;
    QTimer frames_;
    QElapsedTimer clock_;
};
