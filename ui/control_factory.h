#pragma once

#include <QColor>
#include <QWidget>

#include "control_description.h"

namespace quadripolo::ui {

inline QColor toQColor(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Creates one control as a child of `parent`, at its place, with its text, look and names.
QWidget* createControl(const ControlDescription& description, QWidget& parent);

}  // namespace quadripolo::ui
