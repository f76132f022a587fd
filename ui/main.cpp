#include <QApplication>

#include "application_setup.h"
#include "main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quadripolo::ui::configureApplication(application);

    // Deletes itself when closed; the process ends when no window is left.
    auto* form1 = new quadripolo::ui::MainForm();
    form1->show();
    return QApplication::exec();
}
