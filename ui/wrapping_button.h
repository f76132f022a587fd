#pragma once

#include <QPushButton>

namespace quadripolo::ui {

// A push button whose caption wraps within the button, drawn in the classic raised style so that
// its background colour (the palette's Button role) shows. text() stays the caption, so the
// button is read by it.
class WrappingButton final : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

    // The rectangle the caption is wrapped into, in the button's coordinates.
    QRect captionRect() const;

    // The alignment and wrapping the caption is drawn with.
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quadripolo::ui
