// SPDX-License-Identifier: MIT
#include "form_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "analyses/run_command.h"
#include "controls.h"
#include "fonts.h"
#include "resources.h"

namespace quadripolo::ui {

namespace {

std::string toStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

// Light colours of the window's own, whatever the desktop's theme.
QPalette windowPalette(const Rgb& background) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(background.red, background.green, background.blue));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

}  // namespace

FormWindow::FormWindow(const WindowDescription& description, std::span<const ButtonCommand> buttons,
                       NetworkState& state)
    : QWidget(nullptr), state_(state) {
    setObjectName(toQString(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(description.caption));
    setWindowIcon(applicationIcon());
    setPalette(windowPalette(description.background));
    setAutoFillBackground(true);
    setFont(controlFont(FontStyle::Regular));
    resize(toPixels(description.clientWidthTwips), toPixels(description.clientHeightTwips));

    createControls(description.controls);
    setFocusOrder(description.focusOrder);
    connectButtons(buttons);
}

void FormWindow::createControls(std::span<const ControlDescription> descriptions) {
    for (const ControlDescription& description : descriptions) {
        controls_.emplace(description.name,
                          Control{createControl(description, *this), &description});
    }
    // Every control exists before a caption names one.
    for (const ControlDescription& description : descriptions) {
        if (!description.buddy.empty()) {
            qobject_cast<QLabel*>(control(description.name))->setBuddy(control(description.buddy));
        }
    }
}

void FormWindow::setFocusOrder(std::span<const std::string_view> focusOrder) {
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(control(focusOrder[i - 1]), control(focusOrder[i]));
    }
    if (!focusOrder.empty()) {
        control(focusOrder.front())->setFocus();
    }
}

void FormWindow::connectButtons(std::span<const ButtonCommand> buttons) {
    for (const ButtonCommand& binding : buttons) {
        auto* button = qobject_cast<QAbstractButton*>(control(binding.button));
        const auto command = binding.command;
        connect(button, &QAbstractButton::clicked, this, [this, command] {
            // A press that reaches a button past an open message box (through assistive
            // technology) does nothing, as a mouse click does.
            if (QApplication::activeModalWidget() != nullptr) {
                return;
            }
            runCommand(command, state_, *this);
        });
    }
}

const FormWindow::Control& FormWindow::find(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end()) [[unlikely]] {
        // The program addresses a control the window does not have; a click's slot cannot carry
        // an exception through Qt's event loop, so it stops here, saying which.
        qFatal("%s has no control named %s", qPrintable(objectName()), qPrintable(toQString(name)));
    }
    return found->second;
}

QWidget* FormWindow::control(std::string_view name) const {
    return find(name).widget;
}

std::string FormWindow::text(std::string_view name) const {
    QWidget* widget = control(name);
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return toStdString(field->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return toStdString(label->text());
    }
    return {};
}

void FormWindow::setText(std::string_view name, const std::string& text,
                         std::string_view formedFrom) {
    const Control& found = find(name);
    writeText(*found.widget, *found.description, toQString(text), toQString(formedFrom));
}

// Titled with the program's name, an OK button and no icon, modal for the application.
void FormWindow::showMessage(std::string_view message) {
    QMessageBox box(this);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(message));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string FormWindow::decimalSeparator() const {
    return toStdString(QLocale().decimalPoint());
}

Window& FormWindow::loadAndShowEquivalentWindow() {
    if (equivalentWindow_.isNull()) {
        equivalentWindow_ = new FormWindow(form2Description(), kForm2Buttons, state_);
    }
    equivalentWindow_->show();
    equivalentWindow_->raise();
    equivalentWindow_->activateWindow();
    return *equivalentWindow_;
}

}  // namespace quadripolo::ui
