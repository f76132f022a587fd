#pragma once

class QApplication;

namespace quadripolo::ui {

// The program's name (the title of its messages), icon and font substitutions.
void configureApplication(QApplication& application);

}  // namespace quadripolo::ui
