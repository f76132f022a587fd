#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace quadripolo::ui {

void showModalMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace quadripolo::ui
