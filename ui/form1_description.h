#pragma once

#include "control_spec.h"

namespace quadripolo::ui {

// The main window: the fourteen inputs, the two result blocks, the schematic and three buttons.
const WindowSpec& form1Description();

}  // namespace quadripolo::ui
