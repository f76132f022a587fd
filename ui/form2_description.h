#pragma once

#include "control_spec.h"

namespace quadripolo::ui {

// The equivalent-parameter window: the z and y boxes, the y fields with Ro, the S boxes and two
// buttons.
const WindowSpec& form2Description();

}  // namespace quadripolo::ui
