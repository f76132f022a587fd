// SPDX-License-Identifier: MIT
#include "application.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

// Qt's own texts (the context menus of the fields and of the result boxes, the buttons of a
// message box) in Italian whatever the system's language, as the program's own texts are: Qt's
// Italian translation of the Qt the program runs with, compiled in where Qt is linked statically.
// Where it cannot be found, Qt's texts stay English.
void installQtTranslation(QApplication& application) {
#ifdef QUADRIPOLO_COMPILED_IN_QT_TRANSLATION
    const QString folder = QStringLiteral(":/translations");
#else
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), folder)) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void configureApplication(QApplication& application) {
    installQtTranslation(application);
    installFontSubstitutions();
    QAccessible::installFactory(windowInterface);
    QApplication::setApplicationName(QStringLiteral("Quadripolo"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quadripolo.Quadripolo"));
    QApplication::setWindowIcon(applicationIcon());
    application.setQuitOnLastWindowClosed(true);
}

}  // namespace quadripolo::ui
