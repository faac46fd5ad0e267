#pragma once

#include "session/Relay.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The menu's "Follow through a relay...": the relay's address, the lecturer's password and the
// page phones open, and whether "Let the hall follow" goes through it. OK takes only what reads
// as a relay (else it says why and stays open).
class RelayDialog : public QDialog {
public:
    struct Choice {
        QString server;   // "nats://relay.example.edu:4222"
        QString password; // never kept
        QString page;     // "" for the page hosted with the relay
        bool use = false;
    };

    RelayDialog(const Choice& choice, QWidget* parent);
    Choice Chosen() const;
    // The relay chosen, read; none where the address is no relay's (and why in `fault`).
    static std::optional<Relay::Place> Place(const Choice& choice, std::string& fault);

    void accept() override;

private:
    QLineEdit* server_;
    QLineEdit* password_;
    QLineEdit* page_;
    QCheckBox* use_;
    QLabel* fault_;
};
