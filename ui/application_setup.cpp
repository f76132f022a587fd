#include "application_setup.h"

#include <QApplication>

#include "accessible_window.h"
#include "fonts.h"
#include "resources.h"

namespace quadripolo::ui {

void configureApplication(QApplication& application) {
    installFontSubstitutions();
    installAccessibleWindowFactory();
    QApplication::setApplicationName(QStringLiteral("Quadripolo"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadripolo.Quadripolo"));
    QApplication::setWindowIcon(applicationIcon());
    application.setQuitOnLastWindowClosed(true);
}

}  // namespace quadripolo::ui
