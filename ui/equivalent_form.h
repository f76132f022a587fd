#pragma once

#include "widget_window.h"

namespace quadripolo::ui {

// Form2, the equivalent-parameter window: a top-level window without owner whose two buttons
// run the conversion from y to S and the copy of the found y values.
class EquivalentForm final : public WidgetWindow<Window> {
public:
    EquivalentForm();
};

}  // namespace quadripolo::ui
