#include "desktop/QtCanvas.h"

#include <QPainter>

QtCanvas::QtCanvas(QPainter& painter, int devicePixels)
    : painter_(painter), devicePixels_(devicePixels) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QFont QtCanvas::ToQFont(const Font& f) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QString::fromLatin1(kFace), QStringLiteral("Sans Serif")});
    font.setPixelSize(f.pixels);
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    if (f.heavy) {
        font.setFamily(QString::fromLatin1(kHeavyFace));
    }
    return font;
}

const QFont& QtCanvas::Use(const Font& font) {
    if (font_ != font) {
        font_ = font;
        qfont_ = ToQFont(font);
    }
    return qfont_;
}

void QtCanvas::Scaled(const auto& paint) {
    if (devicePixels_ <= 0) {
        paint();
        return;
    }
    painter_.save();
    painter_.scale(devicePixels_, devicePixels_);
    paint();
    painter_.restore();
}

void QtCanvas::Ground(const PixelRect& area, int colour) {
    Scaled([&] {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.fillRect(ToQRect(area), ToQColor(colour));
        painter_.setRenderHint(QPainter::Antialiasing);
    });
}

void QtCanvas::Fill(const PixelRect& area, int colour) {
    Scaled([&] { painter_.fillRect(ToQRect(area), ToQColor(colour)); });
}

void QtCanvas::Fill(const RectF& area, int colour) {
    Scaled([&] { painter_.fillRect(ToQRectF(area), ToQColor(colour)); });
}

namespace {

QPen ToQPen(const Pen& pen) {
    if (pen.colour < 0) {
        return Qt::NoPen;
    }
    QPen made(ToQColor(pen.colour), pen.width);
    if (pen.roundEnds) {
        made.setCapStyle(Qt::RoundCap);
    }
    return made;
}

QBrush ToQBrush(int fill) {
    return fill < 0 ? QBrush() : QBrush(ToQColor(fill));
}

} // namespace

void QtCanvas::Line(PointF from, PointF to, const Pen& pen) {
    Scaled([&] {
        painter_.setPen(ToQPen(pen));
        painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
    });
}

void QtCanvas::Rectangle(const RectF& box, const Pen& border, int fill) {
    Scaled([&] {
        painter_.setPen(ToQPen(border));
        painter_.setBrush(ToQBrush(fill));
        painter_.drawRect(ToQRectF(box));
    });
}

void QtCanvas::Ellipse(const RectF& box, const Pen& border, int fill) {
    Scaled([&] {
        painter_.setPen(ToQPen(border));
        painter_.setBrush(ToQBrush(fill));
        painter_.drawEllipse(ToQRectF(box));
    });
}

void QtCanvas::Text(const RectF& box, std::string_view text, const Font& font, int colour,
                    TextAlign align, bool clip, double squeeze) {
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const Qt::Alignment across = align == TextAlign::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
    Scaled([&] {
        painter_.setFont(Use(font));
        painter_.setPen(ToQColor(colour));
        if (squeeze < 1) {
            painter_.save();
            painter_.translate(box.left, box.top);
            painter_.scale(squeeze, 1);
            int flags = Qt::AlignLeft | Qt::AlignTop;
            if (!clip) {
                flags |= Qt::TextDontClip;
            }
            painter_.drawText(QRectF(0, 0, box.width / squeeze, box.height), flags, words);
            painter_.restore();
        } else if (clip) {
            painter_.save();
            painter_.setClipRect(ToQRectF(box), Qt::IntersectClip);
            painter_.drawText(ToQRectF(box), across | Qt::AlignTop, words);
            painter_.restore();
        } else {
            painter_.drawText(ToQRectF(box), across | Qt::AlignTop | Qt::TextDontClip, words);
        }
    });
}

void QtCanvas::TextAt(PointF at, std::string_view text, const Font& font, int colour,
                      double squeeze) {
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    Scaled([&] {
        painter_.setFont(Use(font));
        painter_.setPen(ToQColor(colour));
        if (squeeze == 1) {
            painter_.drawText(QPointF(at.x, at.y), words);
            return;
        }
        painter_.save();
        painter_.translate(at.x, at.y);
        painter_.scale(squeeze, 1);
        painter_.drawText(QPointF(0, 0), words);
        painter_.restore();
    });
}

void QtCanvas::PushOrigin(PointF origin) {
    painter_.save();
    painter_.translate(origin.x, origin.y);
}

void QtCanvas::PopOrigin() {
    painter_.restore();
}

double QtCanvas::Advance(const Font& font, std::string_view text) {
    return QFontMetricsF(Use(font)).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FontMetrics QtCanvas::Metrics(const Font& font) {
    const QFontMetricsF metrics(Use(font));
    return {metrics.ascent(), metrics.descent()};
}
