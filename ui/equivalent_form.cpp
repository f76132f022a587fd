#include "equivalent_form.h"

#include "command_table.h"
#include "form2_description.h"

namespace quadripolo::ui {

EquivalentForm::EquivalentForm() : WidgetWindow<Window>(form2Description()) {
    connectCommands(*this, *this);
}

}  // namespace quadripolo::ui
