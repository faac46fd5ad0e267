#include "app/view/CaptionStrip.h"

#include "form/Layout.h"

#include <QAccessible>
#include <QLabel>
#include <QVBoxLayout>

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
    caption_->setAccessibleDescription(QStringLiteral("Lesson caption"));
    step_ = new QLabel(this);
    step_->setObjectName(QStringLiteral("CaptionStep"));
    colours.setColor(QPalette::WindowText, ToQColor(Layout::kCaptionStepText));
    step_->setPalette(colours);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_, 1);
    layout->addWidget(step_);
    hide();
}

void CaptionStrip::Place(const TwipsTransform& transform) {
    setGeometry(
        transform.Rect(0, Layout::kClientHeight, Layout::kClientWidth, Layout::kCaptionHeight));
    caption_->setFont(transform.Font(Layout::kCaptionPoints, true));
    step_->setFont(transform.Font(Layout::kCaptionStepPoints, false));
    const int margin = static_cast<int>(transform.PenWidth(4));
    layout()->setContentsMargins(2 * margin, margin, 2 * margin, margin);
    layout()->setSpacing(0);
}

void CaptionStrip::Show(const QString& caption, const QString& step) {
    step_->setText(step);
    if (caption_->text() != caption) {
        caption_->setText(caption);
        QAccessibleEvent changed(caption_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString CaptionStrip::Caption() const {
    return caption_->text();
}
