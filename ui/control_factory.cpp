#include "control_factory.h"

#include <QLabel>
#include <QLineEdit>

#include "colours.h"
#include "fonts.h"
#include "picture_box.h"
#include "resources.h"
#include "text_conversion.h"
#include "wrapping_button.h"

namespace quadripolo::ui {

namespace {

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

void setRole(QWidget& widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(colour));
    widget.setPalette(palette);
}

// A label's own background, painted over the window's.
void fillBackground(QLabel& label, const ControlSpec& spec) {
    if (spec.background) {
        label.setAutoFillBackground(true);
        setRole(label, QPalette::Window, *spec.background);
    }
}

void setSingleBorder(QFrame& frame) {
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(1);
}

QWidget* createCaption(const ControlSpec& spec, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(spec.text));
    label->setAlignment(horizontalAlignment(spec.alignment) | Qt::AlignTop);
    label->setWordWrap(spec.wordWrap);
    if (spec.border == Border::FixedSingle) {
        setSingleBorder(*label);
        label->setAlignment(horizontalAlignment(spec.alignment) | Qt::AlignVCenter);
    }
    fillBackground(*label, spec);
    return label;
}

QWidget* createResultBox(const ControlSpec& spec, QWidget& parent) {
    auto* box = new QLabel(&parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(toQString(spec.text));
    box->setAlignment(horizontalAlignment(spec.alignment) | Qt::AlignVCenter);
    setSingleBorder(*box);
    fillBackground(*box, spec);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // What assistive technology reads is the box's text; the caption beside it describes it.
    box->setAccessibleDescription(toQString(spec.accessibleCaption));
    return box;
}

QWidget* createInputField(const ControlSpec& spec, QWidget& parent) {
    auto* field = new QLineEdit(toQString(spec.text), &parent);
    setRole(*field, QPalette::Base, spec.background.value_or(colours::kWindow));
    setRole(*field, QPalette::Text, colours::kWindowText);
    field->setAccessibleName(toQString(spec.accessibleCaption));
    return field;
}

QWidget* createButton(const ControlSpec& spec, QWidget& parent) {
    auto* button = new WrappingButton(toQString(spec.text), &parent);
    QPalette palette = button->palette();
    const QColor face = toQColor(spec.background.value_or(colours::kActiveBorder));
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

QWidget* createPicture(const ControlSpec& spec, QWidget& parent) {
    auto* picture = new PictureBox(&parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(1);
    fillBackground(*picture, spec);
    picture->setPixmap(schematicPicture(parent.devicePixelRatioF()));
    picture->setAccessibleName(toQString(spec.accessibleCaption));
    return picture;
}

QWidget* createWidget(const ControlSpec& spec, QWidget& parent) {
    switch (spec.kind) {
        case ControlKind::Caption:
            return createCaption(spec, parent);
        case ControlKind::ResultBox:
            return createResultBox(spec, parent);
        case ControlKind::InputField:
            return createInputField(spec, parent);
        case ControlKind::Button:
            return createButton(spec, parent);
        case ControlKind::Picture:
            return createPicture(spec, parent);
    }
    return createCaption(spec, parent);
}

}  // namespace

QWidget* createControl(const ControlSpec& spec, QWidget& parent) {
    QWidget* widget = createWidget(spec, parent);
    widget->setObjectName(toQString(spec.name));
    widget->setFont(controlFont(spec.font));
    widget->setGeometry(toPixels(spec.twips.left), toPixels(spec.twips.top),
                        toPixels(spec.twips.width), toPixels(spec.twips.height));
    if (spec.autoSize) {
        widget->resize(widget->sizeHint());
    }
    return widget;
}

}  // namespace quadripolo::ui
