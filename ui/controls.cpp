// SPDX-License-Identifier: MIT
#include "controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "fonts.h"
#include "resources.h"

namespace quadripolo::ui {

namespace {

QColor toQColor(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

Qt::Alignment horizontalAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left:
            return Qt::AlignLeft;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Centre:
            return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

// How a unit is read by assistive technology, and written after a result's full value in its
// tooltip.
struct UnitTexts {
    QString words;
    QString symbol;
};

UnitTexts unitTexts(Unit unit) {
    switch (unit) {
        case Unit::None:
            return {};
        case Unit::Ohm:
            return {QStringLiteral("ohm"), QStringLiteral("\u03A9")};
        case Unit::Volt:
            return {QStringLiteral("volt efficaci"), QStringLiteral("V")};
        case Unit::Ampere:
            return {QStringLiteral("ampere efficaci"), QStringLiteral("A")};
        case Unit::Watt:
            return {QStringLiteral("watt"), QStringLiteral("W")};
        case Unit::Siemens:
            return {QStringLiteral("siemens"), QStringLiteral("S")};
        case Unit::Degree:
            return {QStringLiteral("gradi"), QStringLiteral("\u00B0")};
    }
    return {};
}

void setColour(QWidget& widget, QPalette::ColorRole role, const Rgb& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(colour));
    widget.setPalette(palette);
}

void applyFrame(QFrame& frame, Border border) {
    switch (border) {
        case Border::None:
            frame.setFrameStyle(QFrame::NoFrame);
            break;
        case Border::FixedSingle:
            frame.setFrameStyle(QFrame::Box | QFrame::Plain);
            frame.setLineWidth(1);
            break;
        case Border::Sunken:
            frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
            frame.setLineWidth(1);
            break;
    }
}

// A caption, or a result box, whose text is selectable and described to assistive technology. A
// label with a border centres its text vertically, as a box does.
QWidget* createLabel(const ControlDescription& description, QWidget& parent) {
    auto* label = new QLabel(toQString(description.text), &parent);
    label->setTextFormat(Qt::PlainText);
    applyFrame(*label, description.border);
    label->setAlignment(horizontalAlignment(description.alignment) |
                        (description.border == Border::None ? Qt::AlignTop : Qt::AlignVCenter));
    label->setWordWrap(description.wordWrap);
    if (description.background != nullptr) {
        label->setAutoFillBackground(true);
        setColour(*label, QPalette::Window, *description.background);
    }
    if (description.kind == ControlKind::ResultBox) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setAccessibleDescription(accessibleText(description));
        // Empty until a command writes it: read as empty, not as the caption that names it.
        label->setAccessibleName(QStringLiteral("vuoto"));
    }
    return label;
}

QWidget* createInputField(const ControlDescription& description, QWidget& parent) {
    auto* field = new QLineEdit(toQString(description.text), &parent);
    field->setFrame(description.border != Border::None);
    field->setAlignment(horizontalAlignment(description.alignment) | Qt::AlignVCenter);
    setColour(*field, QPalette::Base,
              description.background ? *description.background : colours::kWindow);
    field->setAccessibleName(accessibleText(description));
    return field;
}

QWidget* createButton(const ControlDescription& description, QWidget& parent) {
    int captionFlags =
        static_cast<int>(horizontalAlignment(description.alignment) | Qt::AlignVCenter);
    if (description.wordWrap) {
        captionFlags |= Qt::TextWordWrap;
    }
    auto* button = new WrappingButton(toQString(description.text), captionFlags, &parent);
    QPalette palette = button->palette();
    const QColor face =
        toQColor(description.background ? *description.background : colours::kActiveBorder);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Midlight, face);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

QWidget* createPicture(const ControlDescription& description, QWidget& parent) {
    auto* picture = new PictureBox(&parent);
    applyFrame(*picture, description.border);
    if (description.background != nullptr) {
        picture->setAutoFillBackground(true);
        setColour(*picture, QPalette::Window, *description.background);
    }
    picture->setPixmap(schematicPicture(parent.devicePixelRatioF()));
    picture->setAccessibleName(toQString(description.quantity.words));
    return picture;
}

QWidget* createWidget(const ControlDescription& description, QWidget& parent) {
    switch (description.kind) {
        case ControlKind::Label:
        case ControlKind::ResultBox:
            return createLabel(description, parent);
        case ControlKind::InputField:
            return createInputField(description, parent);
        case ControlKind::Button:
            return createButton(description, parent);
        case ControlKind::Picture:
            return createPicture(description, parent);
    }
    return createLabel(description, parent);
}

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

QString accessibleText(const ControlDescription& description) {
    QString text = toQString(description.quantity.words);
    if (!description.block.empty()) {
        text += QStringLiteral(", ") + toQString(description.block);
    }
    if (description.quantity.unit != Unit::None) {
        text += QStringLiteral(", ") + unitTexts(description.quantity.unit).words;
    }
    return text;
}

QWidget* createControl(const ControlDescription& description, QWidget& parent) {
    QWidget* widget = createWidget(description, parent);
    widget->setObjectName(toQString(description.name));
    widget->setFont(controlFont(description.font));
    widget->setGeometry(toPixels(description.twips.left), toPixels(description.twips.top),
                        toPixels(description.twips.width), toPixels(description.twips.height));
    if (description.autoSize) {
        widget->resize(widget->sizeHint());
    }
    return widget;
}

void writeText(QWidget& control, const ControlDescription& description, const QString& text,
               const QString& formedFrom) {
    switch (description.kind) {
        case ControlKind::InputField:
            static_cast<QLineEdit&>(control).setText(text);
            return;
        case ControlKind::ResultBox: {
            static_cast<QLabel&>(control).setText(text);
            const QString symbol = unitTexts(description.quantity.unit).symbol;
            control.setToolTip(symbol.isEmpty() ? formedFrom : formedFrom + ' ' + symbol);
            control.setAccessibleName(QString());
            return;
        }
        case ControlKind::Label:
            static_cast<QLabel&>(control).setText(text);
            return;
        case ControlKind::Button:
        case ControlKind::Picture:
            qFatal("No command writes the button or picture %s",
                   qPrintable(toQString(description.name)));
    }
}

WrappingButton::WrappingButton(const QString& caption, int captionFlags, QWidget* parent)
    : QPushButton(caption, parent), captionFlags_(captionFlags) {
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
    painter.drawItemText(rect, captionFlags_, palette(), isEnabled(), text(), QPalette::ButtonText);
}

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace quadripolo::ui
