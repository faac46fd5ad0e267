#pragma once

#include "desktop/HallServer.h"
#include "session/Hall.h"

#include <QObject>
#include <QString>

class Stream;

// Letting the hall follow, at the window: where the page is found, the join code, which of the
// machine's addresses the phones are shown, and the server that runs while the hall follows.
class HallControls : public QObject {
    Q_OBJECT

public:
    HallControls(Stream& stream, QObject* parent);

    // Starts serving where `place` says; answers what kept it from starting, or the empty text.
    QString Start(const Hall::Place& place);
    void Stop();
    bool Following() const { return server_.Serving(); }
    // The address a phone opens, with the join code; empty while the hall does not follow.
    const QString& Address() const { return address_; }
    HallServer& Server() { return server_; }

    // The folder the page is served from: $HOPSCAPE_PAGE, the installed page beside the program,
    // or the one this source tree builds.
    static QString PageFolder();
    // The machine's address a phone on the same network reaches, for a server on `host` (empty
    // or a wildcard: all of the machine's): a private IPv4 address of a network that is up,
    // else any, else loopback.
    static QString ShownHost(const QString& host);

signals:
    void Changed();

private:
    HallServer server_;
    QString address_;
};
