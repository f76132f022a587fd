#include "application_setup.h"

#include <QApplication>

#include "fonts.h"
#include "resources.h"

namespace quadripolo::ui {

void configureApplication(QApplication& application) {
    installFontSubstitutions();
    QApplication::setApplicationName(QStringLiteral("Quadripolo"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadripolo.Quadripolo"));
    QApplication::setWindowIcon(applicationIcon());
    application.setQuitOnLastWindowClosed(true);
}

}  // namespace quadripolo::ui
