// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace quadripolo::ui {

// The program's name (the title of its messages), icon, fonts, Qt's own texts in Italian, and its
// windows as windows to assistive technology.
void configureApplication(QApplication& application);

}  // namespace quadripolo::ui
