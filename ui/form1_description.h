#pragma once

#include "control_description.h"

namespace quadripolo::ui {

// The main window: the fourteen inputs, the two result blocks, the schematic and three buttons.
const WindowDescription& form1Description();

}  // namespace quadripolo::ui
