#pragma once

#include <QString>

class QWidget;

namespace quadripolo::ui {

// Shows `text` verbatim in a modal box titled with the program's name, with an OK button and no
// icon, and returns when the user has dismissed it.
void showModalMessage(QWidget* parent, const QString& text);

}  // namespace quadripolo::ui
