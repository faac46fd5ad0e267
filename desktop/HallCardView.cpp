#include "desktop/HallCardView.h"

#include "desktop/QtCanvas.h"

#include <QPainter>

#include <qrcodegen.hpp>

HallCardView::HallCardView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HallCard"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void HallCardView::Show(const QString& address, const QString& code) {
    const qrcodegen::QrCode qr =
        qrcodegen::QrCode::encodeText(address.toUtf8().constData(), qrcodegen::QrCode::Ecc::MEDIUM);
    std::vector<bool> modules;
    modules.reserve(static_cast<std::size_t>(qr.getSize() * qr.getSize()));
    for (int y = 0; y < qr.getSize(); ++y) {
        for (int x = 0; x < qr.getSize(); ++x) {
            modules.push_back(qr.getModule(x, y));
        }
    }
    card_.emplace(std::move(modules), qr.getSize(), address.toStdString(), code.toStdString());
    setAccessibleName(QString::fromLatin1(HallCard::kHeading) + QStringLiteral(": ") + address);
    show();
    raise();
    update();
}

void HallCardView::paintEvent(QPaintEvent* /*event*/) {
    if (!card_) {
        return;
    }
    QPainter painter(this);
    QtCanvas canvas(painter);
    card_->Paint(canvas, PixelRect{0, 0, width(), height()});
}

void HallCardView::mousePressEvent(QMouseEvent* /*event*/) {
    hide();
}
