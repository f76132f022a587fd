#include "main_form.h"

#include "command_table.h"
#include "form1_description.h"

namespace quadripolo::ui {

MainForm::MainForm() : WidgetWindow<MainWindow>(form1Description()) {
    connectCommands(*this, *this);
}

Window& MainForm::loadAndShowEquivalentWindow() {
    if (equivalentForm_.isNull()) {
        equivalentForm_ = new EquivalentForm();  // deletes itself when closed
    }
    equivalentForm_->show();
    equivalentForm_->raise();
    equivalentForm_->activateWindow();
    return *equivalentForm_;
}

}  // namespace quadripolo::ui
