// SPDX-License-Identifier: MIT
#include "application.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include "fonts.h"
#include "form_window.h"
#include "resources.h"

namespace quadripolo::ui {

namespace {

// Each of the program's windows is seen as a window, named by its caption.
QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object) {
    if (auto* form = qobject_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void configureApplication(QApplication& application) {
    installFontSubstitutions();
    QAccessible::installFactory(windowInterface);
    QApplication::setApplicationName(QStringLiteral("Quadripolo"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadripolo.Quadripolo"));
    QApplication::setWindowIcon(applicationIcon());
    application.setQuitOnLastWindowClosed(true);
}

}  // namespace quadripolo::ui
