#pragma once

#include <QLabel>

namespace quadripolo::ui {

// A framed box that shows a picture at its natural size from its top-left corner and can take
// the focus, marking it with a focus rectangle.
class PictureBox final : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quadripolo::ui
