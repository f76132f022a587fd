// SPDX-License-Identifier: MIT
#include <QApplication>

#include "application.h"
#include "form_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quadripolo::ui::configureApplication(application);

    // The one record of the program, from start to end.
    quadripolo::NetworkState state;
    // Deletes itself when closed; the process ends when no window is left.
    auto* form1 = new quadripolo::ui::FormWindow(quadripolo::ui::form1Description(),
                                                 quadripolo::ui::kForm1Buttons, state);
    form1->show();
    return QApplication::exec();
}
