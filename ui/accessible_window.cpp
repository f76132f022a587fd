#include "accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "form_window.h"

namespace quadripolo::ui {

namespace {

QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object) {
    if (auto* form = qobject_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibleWindowFactory() {
    QAccessible::installFactory(windowInterface);
}

}  // namespace quadripolo::ui
