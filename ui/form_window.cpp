#include "form_window.h"

#include <QLabel>
#include <QLineEdit>

#include "colours.h"
#include "control_factory.h"
#include "fonts.h"
#include "resources.h"
#include "text_conversion.h"

namespace quadripolo::ui {

namespace {

// Light colours of the window's own, whatever the desktop's theme.
QPalette windowPalette(Rgb background) {
    QPalette palette;
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(colours::kWindowText));
    palette.setColor(QPalette::Base, toQColor(colours::kWindow));
    palette.setColor(QPalette::Text, toQColor(colours::kWindowText));
    palette.setColor(QPalette::Button, toQColor(colours::kActiveBorder));
    palette.setColor(QPalette::ButtonText, toQColor(colours::kWindowText));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, toQColor(colours::kWindowText));
    return palette;
}

}  // namespace

FormWindow::FormWindow(const WindowDescription& description) : QWidget(nullptr) {
    setObjectName(toQString(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(description.caption));
    setWindowIcon(applicationIcon());
    setPalette(windowPalette(description.background));
    setAutoFillBackground(true);
    setFont(controlFont(FontStyle::Regular));
    resize(toPixels(description.clientWidthTwips), toPixels(description.clientHeightTwips));

    for (const ControlDescription& controlDescription : description.controls) {
        createControl(controlDescription, *this);
    }

    QWidget* previous = nullptr;
    for (std::string_view name : description.focusOrder) {
        QWidget* next = control(name);
        Q_ASSERT(next != nullptr);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    if (!description.focusOrder.empty()) {
        control(description.focusOrder.front())->setFocus();
    }
}

QWidget* FormWindow::control(std::string_view name) const {
    return findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
}

QString FormWindow::controlText(std::string_view name) const {
    QWidget* widget = control(name);
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    qWarning("%s has no text control %.*s", qPrintable(objectName()), int(name.size()),
             name.data());
    return {};
}

void FormWindow::setControlText(std::string_view name, const QString& text) {
    QWidget* widget = control(name);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else {
        qWarning("%s has no text control %.*s", qPrintable(objectName()), int(name.size()),
                 name.data());
    }
}

void FormWindow::setControlFullValue(std::string_view name, double value) {
    if (auto* label = qobject_cast<QLabel*>(control(name))) {
        label->setToolTip(QString::number(value, 'g', 17));
    }
}

}  // namespace quadripolo::ui
