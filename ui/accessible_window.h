#pragma once

namespace quadripolo::ui {

// Lets assistive technology see each of the program's windows as a window, named by its caption.
void installAccessibleWindowFactory();

}  // namespace quadripolo::ui
