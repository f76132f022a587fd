#pragma once

#include <QLocale>

#include "form_window.h"
#include "message_box.h"
#include "text_conversion.h"
#include "window.h"

namespace quadripolo::ui {

// A window built from its description that offers the commands what `Interface` (Window or
// MainWindow) asks: its controls' texts, a modal message and the locale's decimal separator.
template <class Interface>
class WidgetWindow : public FormWindow, public Interface {
public:
    using FormWindow::FormWindow;

    std::string text(std::string_view control) const override {
        return toStdString(controlText(control));
    }
    void setText(std::string_view control, const std::string& text) override {
        setControlText(control, toQString(text));
    }
    std::string decimalSeparator() const override { return toStdString(QLocale().decimalPoint()); }
    void setFullValue(std::string_view control, double value) override {
        setControlFullValue(control, value);
    }
    void showMessage(std::string_view message) override {
        showModalMessage(this, toQString(message));
    }
};

}  // namespace quadripolo::ui
