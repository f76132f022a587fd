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
void fillBackground(QLabel& label, const ControlDescription& description) {
    if (description.background) {
        label.setAutoFillBackground(true);
        setRole(label, QPalette::Window, *description.background);
    }
}

void setSingleBorder(QFrame& frame) {
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(1);
}

QWidget* createCaption(const ControlDescription& description, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(description.text));
    label->setAlignment(horizontalAlignment(description.alignment) | Qt::AlignTop);
    label->setWordWrap(description.wordWrap);
    if (description.border == Border::FixedSingle) {
        setSingleBorder(*label);
        label->setAlignment(horizontalAlignment(description.alignment) | Qt::AlignVCenter);
    }
    fillBackground(*label, description);
    return label;
}

QWidget* createResultBox(const ControlDescription& description, QWidget& parent) {
    auto* box = new QLabel(&parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(toQString(description.text));
    box->setAlignment(horizontalAlignment(description.alignment) | Qt::AlignVCenter);
    setSingleBorder(*box);
    fillBackground(*box, description);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // What assistive technology reads is the box's text; the caption beside it describes it.
    box->setAccessibleDescription(toQString(description.accessibleCaption));
    return box;
}

QWidget* createInputField(const ControlDescription& description, QWidget& parent) {
    auto* field = new QLineEdit(toQString(description.text), &parent);
    setRole(*field, QPalette::Base, description.background.value_or(colours::kWindow));
    setRole(*field, QPalette::Text, colours::kWindowText);
    field->setAccessibleName(toQString(description.accessibleCaption));
    return field;
}

QWidget* createButton(const ControlDescription& description, QWidget& parent) {
    auto* button = new WrappingButton(toQString(description.text), &parent);
    QPalette palette = button->palette();
    const QColor face = toQColor(description.background.value_or(colours::kActiveBorder));
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
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(1);
    fillBackground(*picture, description);
    picture->setPixmap(schematicPicture(parent.devicePixelRatioF()));
    picture->setAccessibleName(toQString(description.accessibleCaption));
    return picture;
}

QWidget* createWidget(const ControlDescription& description, QWidget& parent) {
    switch (description.kind) {
        case ControlKind::Caption:
            return createCaption(description, parent);
        case ControlKind::ResultBox:
            return createResultBox(description, parent);
        case ControlKind::InputField:
            return createInputField(description, parent);
        case ControlKind::Button:
            return createButton(description, parent);
        case ControlKind::Picture:
            return createPicture(description, parent);
    }
    return createCaption(description, parent);
}

}  // namespace

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

}  // namespace quadripolo::ui
