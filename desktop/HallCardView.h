#pragma once

#include "scene/HallCard.h"

#include <QWidget>

#include <optional>

// The card a hall joins from, laid over the window while it is shown: drawn by the core's
// HallCard, so that a picture of the window shows it too. A click hides it.
class HallCardView : public QWidget {
public:
    explicit HallCardView(QWidget* parent);
    // The card for `address` and its join `code`, the QR code made here.
    void Show(const QString& address, const QString& code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<HallCard> card_;
};
