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

void restoreStartState() {
    closeAllWindows();
    QLocale::setDefault(QLocale::c());
}

QChar chooseLocale(bool comma) {
    if (comma) {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    return comma ? QLatin1Char(',') : QLatin1Char('.');
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

QWidget* form2() {
    return openWindow(QStringLiteral("Form2"));
}

QWidget* openForm2(QWidget* form1) {
    click(form1, "Command3");
    return form2();
}

int form2Count() {
    int count = 0;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        count += window->objectName() == QLatin1String("Form2") ? 1 : 0;
    }
    return count;
}

Texts texts(std::span<const testing::ShownText> table) {
    Texts result;
    for (const auto& [control, text] : table) {
        result.emplaceBack(QString::fromUtf8(control), QString::fromUtf8(text));
    }
    return result;
}

Texts withSeparator(const Texts& texts, QChar separator) {
    Texts result;
    for (const auto& [name, text] : texts) {
        result.emplaceBack(name, QString(text).replace(QLatin1Char('.'), separator));
    }
    return result;
}

QString textOf(const QWidget* window, const QString& name) {
    QWidget* widget = control(window, qPrintable(name));
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        return field->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return QStringLiteral("(no control %1)").arg(name);
}

void verifyTexts(const QWidget* window, const Texts& expected) {
    QVERIFY(window != nullptr);
    for (const auto& [name, text] : expected) {
        QVERIFY2(textOf(window, name) == text,
                 qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"")
                                .arg(name, textOf(window, name), text)));
    }
}

void BothWindows::build() {
    form1_ = new MainForm();
    form2_ = new EquivalentForm();
}

void BothWindows::show() {
    form1_->show();
    form2_->show();
}

void BothWindows::destroy() {
    delete form1_;
    delete form2_;
}

QWidget* BothWindows::window(const char* name) const {
    return qstrcmp(name, "Form1") == 0 ? static_cast<QWidget*>(form1_)
                                       : static_cast<QWidget*>(form2_);
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
