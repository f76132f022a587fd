#pragma once

#include <QWidget>

#include <string_view>

#include "control_description.h"

namespace quadripolo::ui {

// A top-level window built from its description: its caption, client size, background, icon,
// controls and focus order. It deletes itself when closed, so closing discards everything shown
// or typed in it.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const WindowDescription& description);

    // The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;

    // A field's text or a label's caption; empty for any other control.
    QString controlText(std::string_view name) const;
    // Writes a field's text or a label's caption.
    void setControlText(std::string_view name, const QString& text);
    // Offers a result box's full value, with 17 significant digits, as its tooltip.
    void setControlFullValue(std::string_view name, double value);
};

}  // namespace quadripolo::ui
