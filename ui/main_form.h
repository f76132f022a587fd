#pragma once

#include <QPointer>

#include "equivalent_form.h"
#include "widget_window.h"

namespace quadripolo::ui {

// Form1, the main window: its three buttons run the two analyses and open the
// equivalent-parameter window.
class MainForm final : public WidgetWindow<MainWindow> {
public:
    MainForm();

    // Builds Form2 afresh when it is not open (it has no owner, so closing this window leaves it
    // open), shows it and brings it to the front.
    Window& loadAndShowEquivalentWindow() override;

private:
    QPointer<EquivalentForm> equivalentForm_;
};

}  // namespace quadripolo::ui
