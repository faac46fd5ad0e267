#include "desktop/HallServer.h"

#include "desktop/QtText.h"
#include "session/Hall.h"
#include "session/Stream.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>

namespace {

// The page's files a phone may ask for, with their types; nothing else is served.
struct Served {
    const char* path;
    const char* file;
    const char* type;
    bool cached; // the page itself is asked again each time; what it loads may be kept
};
constexpr Served kServed[] = {
    {"/", "index.html", "text/html; charset=utf-8", false},
    {"/index.html", "index.html", "text/html; charset=utf-8", false},
    {"/hopscape.js", "hopscape.js", "text/javascript; charset=utf-8", true},
    {"/hopscape.css", "hopscape.css", "text/css; charset=utf-8", true},
    {"/hopscape-core.js", "hopscape-core.js", "text/javascript; charset=utf-8", true},
    {"/hopscape-core.wasm", "hopscape-core.wasm", "application/wasm", true},
    {"/icon.svg", "icon.svg", "image/svg+xml", true},
    {"/fonts/LiberationSans-Regular.woff2", "fonts/LiberationSans-Regular.woff2", "font/woff2",
     true},
    {"/fonts/LiberationSans-Bold.woff2", "fonts/LiberationSans-Bold.woff2", "font/woff2", true},
    {"/fonts/DejaVuSans-Bold.woff2", "fonts/DejaVuSans-Bold.woff2", "font/woff2", true},
};

constexpr const char* kStreamPath = "/stream";
constexpr int kHeadWait = 5000; // milliseconds a request's head may take to come

// A header's value from a request's head, or empty.
QByteArray Header(const QList<QByteArray>& lines, const QByteArray& name) {
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

} // namespace

HallServer::HallServer(Stream& stream, QObject* parent) : QObject(parent), stream_(stream) {
    frames_.setTimerType(Qt::CoarseTimer);
    connect(&frames_, &QTimer::timeout, this, &HallServer::SendFrame);
    clock_.start();
}

HallServer::~HallServer() {
    // The stream and whoever listens may be gone already: only the sockets are closed.
    frames_.stop();
    blockSignals(true);
    for (auto& [socket, follower] : followers_) {
        socket->disconnect(this);
        socket->abort();
    }
}

QString HallServer::Load(const QString& page) {
    files_.clear();
    const QDir folder(page);
    // The page's files, and the languages the build put beside it (lang/*.json): each served
    // under its own fixed path, made here once; no request names a file.
    std::vector<Served> served(std::begin(kServed), std::end(kServed));
    std::vector<QByteArray> names;
    for (const QString& name : QDir(folder.filePath(QStringLiteral("lang")))
                                   .entryList({QStringLiteral("*.json.gz")}, QDir::Files)) {
        names.push_back(QStringLiteral("lang/%1").arg(name.chopped(3)).toLatin1());
    }
    for (const QByteArray& name : names) {
        served.push_back({nullptr, name.constData(), "application/json; charset=utf-8", true});
    }
    for (const Served& one : served) {
        QFile file(folder.filePath(QString::fromLatin1(one.file) + QStringLiteral(".gz")));
        if (!file.open(QIODevice::ReadOnly)) {
            return QtText("The page to serve is not built: {file} cannot be read",
                          {{"file", file.fileName().toStdString()}});
        }
        File& kept =
            files_[one.path != nullptr ? QByteArray(one.path) : "/" + QByteArray(one.file)];
        kept.body = file.readAll();
        kept.type = one.type;
        kept.cached = one.cached;
        kept.tag =
            '"' + QCryptographicHash::hash(kept.body, QCryptographicHash::Sha256).toHex().left(20) +
            '"';
    }
    return {};
}

QString HallServer::Start(const QHostAddress& address, quint16 port, const QString& page,
                          const std::string& code, const Limits& limits) {
    Stop();
    limits_ = limits;
    code_ = code;
    if (QString fault = Load(page); !fault.isEmpty()) {
        return fault;
    }
    tcp_ = std::make_unique<QTcpServer>();
    tcp_->setMaxPendingConnections(64);
    if (!tcp_->listen(address, port)) {
        QString fault = tcp_->errorString();
        tcp_.reset();
        return QtText("The hall cannot be served on {address}:{port}: {fault}",
                      {{"address", address.toString().toStdString()},
                       {"port", std::to_string(port)},
                       {"fault", fault.toStdString()}});
    }
    sockets_ = std::make_unique<QWebSocketServer>(QStringLiteral("hopscape"),
                                                  QWebSocketServer::NonSecureMode);
    sockets_->setHandshakeTimeout(kHeadWait);
    connect(tcp_.get(), &QTcpServer::newConnection, this, &HallServer::Accept);
    connect(sockets_.get(), &QWebSocketServer::newConnection, this, &HallServer::Join);
    stream_.Serve(true);
    frames_.start(limits_.frameEvery);
    return {};
}

void HallServer::Stop() {
    frames_.stop();
    stream_.Serve(false);
    const bool had = !followers_.empty();
    for (auto& [socket, follower] : followers_) {
        socket->disconnect(this);
        socket->sendTextMessage(QStringLiteral("stopped"));
        socket->close(QWebSocketProtocol::CloseCodeGoingAway);
        socket->deleteLater();
    }
    followers_.clear();
    sockets_.reset();
    tcp_.reset();
    if (had) {
        emit FollowingChanged(0);
    }
}

bool HallServer::Serving() const {
    return tcp_ != nullptr && tcp_->isListening();
}

quint16 HallServer::Port() const {
    return Serving() ? tcp_->serverPort() : 0;
}

int HallServer::FromAddress(const QHostAddress& address) const {
    int count = 0;
    for (const auto& [socket, follower] : followers_) {
        count += follower.address.isEqual(address) ? 1 : 0;
    }
    return count;
}

void HallServer::Accept() {
    while (QTcpSocket* socket = tcp_->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { ReadHead(socket); });
        // A request whose head never comes is not waited for.
        QTimer::singleShot(kHeadWait, socket, [socket] {
            if (socket->property("upgrading").isNull()) {
                socket->abort();
            }
        });
    }
}

void HallServer::Answer(QTcpSocket* socket, const QByteArray& status, const QByteArray& headers,
                        const QByteArray& body) {
    socket->disconnect(this);
    socket->write("HTTP/1.1 " + status + "\r\n" + headers +
                  "Content-Length: " + QByteArray::number(body.size()) +
                  "\r\nConnection: close\r\nX-Content-Type-Options: nosniff\r\n\r\n" + body);
    socket->disconnectFromHost();
}

void HallServer::ReadHead(QTcpSocket* socket) {
    // Only looked at, not read: a WebSocket's handshake is read again by the server it goes to.
    const QByteArray seen = socket->peek(limits_.requestHead);
    const qsizetype end = seen.indexOf("\r\n\r\n");
    if (end < 0) {
        if (seen.size() >= limits_.requestHead) {
            Answer(socket, "431 Request Header Fields Too Large");
        }
        return;
    }
    const QList<QByteArray> lines = seen.left(end).split('\n');
    const QList<QByteArray> request = lines.front().trimmed().split(' ');
    if (request.size() != 3 || !request[2].startsWith("HTTP/1.")) {
        Answer(socket, "400 Bad Request");
        return;
    }
    if (request[0] != "GET") {
        Answer(socket, "405 Method Not Allowed", "Allow: GET\r\n");
        return;
    }
    const QUrl target(QString::fromLatin1(request[1]));
    const QByteArray path = target.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = Header(lines, "host");
    // The host goes into the page's policy and is matched against the origin: nothing but an
    // address and a port may stand there.
    static const QByteArray kHostBytes =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:[]";
    if (host.isEmpty() || host.size() > 255 ||
        std::any_of(host.begin(), host.end(), [](char c) { return !kHostBytes.contains(c); })) {
        Answer(socket, "400 Bad Request");
        return;
    }
    if (Header(lines, "upgrade").toLower() == "websocket") {
        const QUrlQuery query(target);
        const QHostAddress from = socket->peerAddress();
        if (path != kStreamPath ||
            query.queryItemValue(QStringLiteral("follow")).toStdString() != code_) {
            Answer(socket, "404 Not Found");
        } else if (Header(lines, "origin") != "http://" + host) {
            Answer(socket, "403 Forbidden");
        } else if (FromAddress(from) >= limits_.perAddress || Following() >= limits_.total) {
            Answer(socket, "503 Service Unavailable", "Retry-After: 5\r\n");
        } else {
            socket->disconnect(this);
            socket->setProperty("upgrading", true);
            sockets_->handleConnection(socket);
        }
        return;
    }
    const auto found = files_.find(path);
    if (found == files_.end()) {
        Answer(socket, "404 Not Found", "Content-Type: text/plain; charset=utf-8\r\n",
               "Not found\n");
        return;
    }
    const File& file = found->second;
    const QByteArray common =
        "ETag: " + file.tag + "\r\nCache-Control: " +
        (file.cached ? QByteArray("public, max-age=86400") : QByteArray("no-cache")) + "\r\n";
    if (Header(lines, "if-none-match") == file.tag) {
        Answer(socket, "304 Not Modified", common);
        return;
    }
    Answer(socket, "200 OK",
           common + "Content-Type: " + file.type +
               "\r\nContent-Encoding: gzip\r\nContent-Security-Policy: default-src 'self'; "
               "script-src 'self' 'wasm-unsafe-eval'; connect-src 'self' ws://" +
               host +
               "; img-src 'self' data: blob:; style-src 'self' 'unsafe-inline'; "
               "frame-ancestors 'none'\r\n",
           file.body);
}

void HallServer::Join() {
    while (QWebSocket* socket = sockets_->nextPendingConnection()) {
        socket->setParent(this);
        // Handshakes that were under way together may have gone past a limit.
        if (FromAddress(socket->peerAddress()) >= limits_.perAddress ||
            Following() >= limits_.total) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
            continue;
        }
        socket->setMaxAllowedIncomingFrameSize(2 * Hall::kLongestMessage);
        socket->setMaxAllowedIncomingMessageSize(2 * Hall::kLongestMessage);
        Follower& follower = followers_[socket];
        follower.id = nextId_++;
        follower.address = socket->peerAddress();
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& message) { Received(socket, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, socket] { Leave(socket); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { Leave(socket); });
        const std::string snapshot = stream_.Snapshot();
        Send(socket, QString::fromStdString(snapshot.empty() ? "too long" : snapshot));
        emit FollowingChanged(Following());
    }
}

void HallServer::Leave(QWebSocket* socket) {
    if (followers_.erase(socket) == 0) {
        return;
    }
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    emit FollowingChanged(Following());
}

void HallServer::Send(QWebSocket* socket, const QString& text) {
    // A follower that does not read what it is sent is let go before it holds much.
    if (socket->bytesToWrite() > limits_.unsent) {
        Leave(socket);
        return;
    }
    socket->sendTextMessage(text);
}

void HallServer::Received(QWebSocket* socket, const QString& text) {
    const auto found = followers_.find(socket);
    if (found == followers_.end()) {
        return;
    }
    Follower& follower = found->second;
    const qint64 now = clock_.elapsed();
    if (now - follower.lastMessage < Hall::kMessageEvery) {
        return; // too soon: dropped, and the follower's next message counts again
    }
    follower.lastMessage = now;
    const Hall::Message message = Hall::Read(text.toStdString());
    switch (message.kind) {
    case Hall::Message::Kind::Snapshot: {
        const std::string snapshot = stream_.Snapshot();
        Send(socket, QString::fromStdString(snapshot.empty() ? "too long" : snapshot));
        break;
    }
    case Hall::Message::Kind::Answer: {
        QStringList cells;
        for (const std::string& cell : message.cells) {
            cells << QString::fromStdString(cell);
        }
        emit Answered(follower.id, message.number, cells);
        break;
    }
    case Hall::Message::Kind::Here: // its socket says so already
    case Hall::Message::Kind::Refused:
        break;
    }
}

void HallServer::SendFrame() {
    if (!stream_.Gathering()) {
        return;
    }
    const QString frame = QString::fromStdString(stream_.Frame());
    // Sending may let a follower go: the list is walked over a copy.
    std::vector<QWebSocket*> sockets;
    sockets.reserve(followers_.size());
    for (const auto& [socket, follower] : followers_) {
        sockets.push_back(socket);
    }
    for (QWebSocket* socket : sockets) {
        Send(socket, frame);
    }
}
