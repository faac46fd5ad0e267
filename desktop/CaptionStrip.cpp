#include "desktop/CaptionStrip.h"

#include "desktop/QtText.h"
#include "form/Layout.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CaptionStrip::CaptionStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CaptionStrip"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(Layout::kCaptionBack));
    colours.setColor(QPalette::WindowText, ToQColor(Layout::kCaptionText));
    setPalette(colours);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Caption"));
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setAccessibleDescription(QtText("Lesson caption"));
    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("CaptionDetail"));
    detail_->setWordWrap(true);
    detail_->setAccessibleDescription(QtText("Lesson caption, explained"));
    detail_->hide();
    step_ = new QLabel(this);
    step_->setObjectName(QStringLiteral("CaptionStep"));
    colours.setColor(QPalette::WindowText, ToQColor(Layout::kCaptionStepText));
    step_->setPalette(colours);
    pad_ = new QWidget(this);
    pad_->setObjectName(QStringLiteral("Pad"));
    pad_->setAccessibleName(QtText("Keys to answer with"));
    new QHBoxLayout(pad_);
    pad_->layout()->setContentsMargins(0, 0, 0, 0);
    pad_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_, 1);
    layout->addWidget(detail_);
    layout->addWidget(step_);
    layout->addWidget(pad_);
    hide();
}

void CaptionStrip::Place(const TwipsTransform& transform, int height) {
    setGeometry(transform.Rect(0, Layout::kClientHeight, Layout::kClientWidth, height));
    pad_->setFixedHeight(static_cast<int>(transform.Scale() * Layout::kPadHeight * 0.85));
    for (QToolButton* key : pad_->findChildren<QToolButton*>()) {
        key->setFont(transform.Font(Layout::kCaptionDetailPoints, true));
    }
    captionFont_ = transform.Font(Layout::kCaptionPoints, true);
    step_->setFont(transform.Font(Layout::kCaptionStepPoints, false));
    detail_->setFont(transform.Font(Layout::kCaptionDetailPoints, false));
    margin_ = static_cast<int>(transform.PenWidth(4));
    layout()->setContentsMargins(2 * margin_, margin_, 2 * margin_, margin_);
    layout()->setSpacing(0);
    Fit();
}

void CaptionStrip::Fit() {
    // The caption's letters as large as the strip allows, smaller for a long caption: it never
    // runs onto the progress line below it.
    const int width = geometry().width() - 4 * margin_;
    const bool detailShown = !detail_->text().isEmpty();
    detail_->setVisible(detailShown);
    const int detailHeight = detailShown
                                 ? QFontMetrics(detail_->font())
                                       .boundingRect(QRect(0, 0, std::max(1, width), 100000),
                                                     Qt::TextWordWrap, detail_->text())
                                       .height()
                                 : 0;
    const int room = geometry().height() - 2 * margin_ - QFontMetrics(step_->font()).height() -
                     detailHeight - (padKeys_.isEmpty() ? 0 : pad_->maximumHeight());
    QFont letters = captionFont_;
    for (int size = letters.pixelSize(); size > 6; --size) {
        letters.setPixelSize(size);
        const QRect needed = QFontMetrics(letters).boundingRect(
            QRect(0, 0, std::max(1, width), 100000), Qt::TextWordWrap, caption_->text());
        if (needed.height() <= room) {
            break;
        }
    }
    caption_->setFont(letters);
}

void CaptionStrip::Show(const ::Lecture::Strip& shows) {
    QStringList pad;
    for (const std::string& key : shows.pad) {
        pad << QString::fromStdString(key);
    }
    Show(QString::fromStdString(shows.caption), QString::fromStdString(shows.detail),
         QString::fromStdString(shows.keys), pad, shows.answering);
}

void CaptionStrip::Show(const QString& caption, const QString& detail, const QString& step,
                        const QStringList& pad, bool answering) {
    step_->setText(step);
    if (pad != padKeys_) {
        padKeys_ = pad;
        for (QToolButton* key : pad_->findChildren<QToolButton*>()) {
            delete key;
        }
        for (const QString& text : pad) {
            auto* key = new QToolButton(pad_);
            key->setText(text);
            key->setObjectName(QStringLiteral("PadKey ") + text);
            // Pressed by a finger or the mouse; the keyboard types in the cells themselves.
            key->setFocusPolicy(Qt::NoFocus);
            key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            key->setFont(detail_->font());
            connect(key, &QToolButton::clicked, this, [this, text] { emit PadPressed(text); });
            pad_->layout()->addWidget(key);
        }
        pad_->setVisible(!pad.isEmpty());
        Fit();
    }
    pad_->setEnabled(answering);
    if (caption_->text() != caption || detail_->text() != detail) {
        caption_->setText(caption);
        detail_->setText(detail);
        Fit();
        QAccessibleEvent changed(caption_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString CaptionStrip::Caption() const {
    return caption_->text();
}

QString CaptionStrip::Detail() const {
    return detail_->isVisible() ? detail_->text() : QString();
}
