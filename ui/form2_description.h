#pragma once

#include "control_description.h"

namespace quadripolo::ui {

// The equivalent-parameter window: the z and y boxes, the y fields with Ro, the S boxes and two
// buttons.
const WindowDescription& form2Description();

}  // namespace quadripolo::ui
