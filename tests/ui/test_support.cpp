#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTest>

#include "application_setup.h"

namespace quadripolo::ui::test {

void initApplication() {
    configureApplication(*qApp);
    // The locale of every test, unless a test chooses another: a point as decimal separator.
    QLocale::setDefault(QLocale::c());
}

MainForm* openMainForm() {
    auto* form = new MainForm();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form)) {
        qWarning("the main window did not become active");
    }
    return form;
}

void flushDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void closeAllWindows() {
    QApplication::closeAllWindows();
    flushDeletions();
}

QWidget* openWindow(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

Twips twipsOf(const QWidget& widget) {
    const QRect r = widget.geometry();
    return {r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15};
}

void click(QWidget* window, const char* button) {
    auto* target = control<QAbstractButton>(window, button);
    if (target == nullptr) {
        QFAIL(qPrintable(QStringLiteral("no button %1").arg(QLatin1String(button))));
    }
    QTest::mouseClick(target, Qt::LeftButton);
}

MessageBoxCatcher::MessageBoxCatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    timer_.start();
}

QStringList MessageBoxCatcher::texts() const {
    QStringList result;
    for (const Seen& seen : seen_) {
        result << seen.text;
    }
    return result;
}

void MessageBoxCatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    const QList<QAbstractButton*> buttons = box->buttons();
    Seen seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.buttonCount = static_cast<int>(buttons.size());
    seen.onlyOk = buttons.size() == 1 && box->standardButton(buttons.front()) == QMessageBox::Ok;
    seen.noIcon = box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull();
    seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
    seen.plainText = box->textFormat() == Qt::PlainText;
    seen_.append(seen);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr) {
        ok->click();
    } else {
        box->reject();
    }
}

bool operator==(const Twips& a, const Twips& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

char* toString(const Twips& twips) {
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)")
                               .arg(twips.left)
                               .arg(twips.top)
                               .arg(twips.width)
                               .arg(twips.height));
}

}  // namespace quadripolo::ui::test
