// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>

#include <string_view>

#include "window_description.h"

namespace quadripolo::ui {

// Text crosses between the commands and the widgets as UTF-8.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// What assistive technology says of a field or a result box besides its text:
// "Re(Zi), calcolo con i parametri S, ohm".
QString accessibleText(const ControlDescription& description);

// Creates one control as a child of `parent`, at its place, with its text, look and names.
QWidget* createControl(const ControlDescription& description, QWidget& parent);

// Writes a command's text into `control`, made from `description`: a field's text, a caption,
// or a result box's text with the full value it was formed from, followed by its unit, as its
// tooltip. No command writes a button or the picture.
void writeText(QWidget& control, const ControlDescription& description, const QString& text,
               const QString& formedFrom);

// A push button whose caption is aligned and wrapped by `captionFlags` within the button, drawn
// in the classic raised style so that its background colour shows. text() stays the caption, so
// the button is read by it.
class WrappingButton final : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, int captionFlags, QWidget* parent);

    // The rectangle the caption is drawn into, in the button's coordinates, and how.
    QRect captionRect() const;
    int captionFlags() const { return captionFlags_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int captionFlags_;
};

// A framed box that shows a picture at its natural size from its top-left corner and can take
// the focus, marking it with a focus rectangle.
class PictureBox final : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quadripolo::ui
