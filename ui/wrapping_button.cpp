#include "wrapping_button.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quadripolo::ui {

namespace {

// The style that draws a button's bevel filled with its palette, shared by every button.
QStyle* classicStyle() {
    static QStyle* const style = [] {
        QStyle* created = QStyleFactory::create(QStringLiteral("Windows"));
        if (created != nullptr) {
            created->setParent(qApp);
        }
        return created;
    }();
    return style;
}

}  // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    if (QStyle* style = classicStyle()) {
        setStyle(style);
    }
}

QRect WrappingButton::captionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect rect = captionRect();
    if (isDown()) {
        rect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(rect, kCaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace quadripolo::ui
