// SPDX-License-Identifier: MIT
// What only the widgets can show: the wiring, the windows' life, the locale's separator against
// the forced point, the message box, focus, layout and what assistive technology reads.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form_window.h"

namespace quadripolo::ui {

namespace {

FormWindow* openWindow(std::string_view name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == toQString(name) && window->isVisible()) {
            return qobject_cast<FormWindow*>(window);
        }
    }
    return nullptr;
}

void click(FormWindow* window, std::string_view button) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(window->control(button)), Qt::LeftButton);
}

QString text(FormWindow* window, std::string_view control) {
    return QString::fromStdString(window->text(control));
}

// Answers every message box that opens while `run` clicks, recording its text, or an empty text
// for a box that is not an OK-only box without icon; `whileOpen` runs once while the first box is
// open, and a box that opens meanwhile is answered too. Nothing is checked inside the timer, where
// a failing check would leave the box open until the test's time-out.
QStringList answerMessages(const std::function<void()>& run,
                           const std::function<void()>& whileOpen = {}) {
    QStringList texts;
    QMessageBox* answering = nullptr;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answering) {
            return;
        }
        QMessageBox* const outer = std::exchange(answering, box);
        if (outer == nullptr && whileOpen) {
            whileOpen();
        }
        const bool okOnly = box->buttons().size() == 1 &&
                            box->standardButton(box->buttons().front()) == QMessageBox::Ok &&
                            box->icon() == QMessageBox::NoIcon &&
                            box->windowTitle() == QStringLiteral("Quadripolo");
        texts << (okOnly ? box->text() : QString());
        box->reject();
        answering = outer;
    });
    timer.start(10);
    run();
    return texts;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<NetworkState> state_;
    FormWindow* form1_ = nullptr;

private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    // Each test starts with a fresh record and a fresh main window, in a point locale.
    void init() {
        QLocale::setDefault(QLocale::c());
        state_ = std::make_unique<NetworkState>();
        form1_ = new FormWindow(form1Description(), kForm1Buttons, *state_);
        form1_->show();
    }
    void cleanup() {
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each button runs its command; one equivalent window, brought to the front with what was
    // typed into it, built afresh after it is closed, and alive after the main window closes. In
    // an Italian locale the equivalent window shows commas, and the point stays where it is forced.
    // A result box offers the full value its text was formed from, with its unit, on hover; before
    // it is written it has no tooltip and reads as empty. A field written by the copy takes no
    // tooltip: its text is the user's to change.
    void wiringAndWindowLife() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(form1_->focusWidget()->objectName(), QStringLiteral("Text9"));
        click(form1_, "Command2");
        QCOMPARE(text(form1_, "Label41"), QStringLiteral("12.07E+00"));
        QWidget* box = form1_->control("Label36");
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(box->toolTip(), QString());
        QCOMPARE(reading->text(QAccessible::Name), QStringLiteral("vuoto"));
        click(form1_, "Command1");
        QCOMPARE(reading->text(QAccessible::Name), QStringLiteral("12.07E+00"));
        QCOMPARE(box->toolTip(), QStringLiteral("12.071925996368467 \u03A9"));
        QCOMPARE(openWindow("Form2"), nullptr);
        click(form1_, "Command3");
        FormWindow* form2 = openWindow("Form2");
        QCOMPARE(form2->focusWidget()->objectName(), QStringLiteral("Text1"));
        QCOMPARE(text(form2, "Label23"), QStringLiteral("36,75E-04"));
        click(form2, "Command2");
        QCOMPARE(text(form2, "Text8"), QStringLiteral("36.75E-04"));
        QCOMPARE(form2->control("Text8")->toolTip(), QString());
        click(form2, "Command1");
        QCOMPARE(text(form2, "Label35"), QStringLiteral("60,11E-03"));
        QCOMPARE(form2->control("Label37")->toolTip(), QStringLiteral("213.59330453706713 \u00B0"));
        click(form1_, "Command3");
        QCOMPARE(openWindow("Form2"), form2);
        QCOMPARE(text(form2, "Text1"), QStringLiteral("13.87E-03"));
        form2->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(form1_, "Command3");
        form2 = openWindow("Form2");
        QCOMPARE(text(form2, "Text1"), QString());
        QCOMPARE(text(form2, "Label35"), QString());
        QCOMPARE(text(form2, "Text9"), QStringLiteral("50"));
        form1_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openWindow("Form2"), form2);
    }

    // A refused field and an arithmetic fault each give one OK-only box, and no box changes; a
    // press through assistive technology past the open box does nothing.
    void messagesAreModalOkOnlyBoxes() {
        form1_->setText("Text14", "", {});
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(form1_->control("Command2"));
        QCOMPARE(answerMessages([&] { click(form1_, "Command3"); },
                                [&] {
                                    button->actionInterface()->doAction(
                                        QAccessibleActionInterface::pressAction());
                                    QTest::qWait(300);  // an animated press clicks a little later
                                }),
                 QStringList("Hai dimenticato di scrivere il valore della tensione a vuoto in Volt "
                             "efficaci E"));
        QCOMPARE(openWindow("Form2"), nullptr);
        form1_->setText("Text14", "1", {});
        form1_->setText("Text9", "0", {});
        const QStringList fault = answerMessages([&] { click(form1_, "Command1"); });
        QCOMPARE(fault.size(), 1);
        QVERIFY(!fault.front().isEmpty());
        QCOMPARE(text(form1_, "Label36"), QString());
    }

    // Each window's icon draws at 16 and 32 pixels and is not blank (a missing image or icon
    // plugin leaves it empty, with no message). Every control lies inside the client area with its
    // text unclipped in the font used. A button is drawn in the classic style, which fills its
    // bevel with its colour.
    void everyControlAsItsRowSays() {
        QCOMPARE(form1_->control("Command1")->style()->name(), QStringLiteral("windows"));
        click(form1_, "Command3");
        for (FormWindow* window : {form1_, openWindow("Form2")}) {
            for (const int size : {16, 32}) {
                const QImage image = window->windowIcon().pixmap(size).toImage();
                QCOMPARE(image.size(), QSize(size, size));
                QVERIFY(image.pixel(0, 0) != image.pixel(size / 2, size / 2));
            }
            const WindowDescription& description =
                window == form1_ ? form1Description() : form2Description();
            for (const ControlDescription& row : description.controls) {
                QWidget* control = window->control(row.name);
                QRect room = control->contentsRect();
                int flags = Qt::TextWordWrap;
                if (auto* button = qobject_cast<WrappingButton*>(control)) {
                    room = button->captionRect();
                    flags = button->captionFlags();
                } else if (auto* label = qobject_cast<QLabel*>(control)) {
                    flags |= label->alignment();
                }
                const QString text = control->property("text").toString();
                QVERIFY2(window->rect().contains(control->geometry()) &&
                             room.contains(
                                 QFontMetrics(control->font()).boundingRect(room, flags, text)),
                         row.name.data());
            }
        }
    }

    // Qt's own texts are Italian whatever the system's language: a field's context menu, and the
    // words of a result box's (Qt 6.8 gives selectable plain text one; Qt 6.4 gives none).
    void qtTextsAreItalian() {
        const std::unique_ptr<QMenu> menu(
            qobject_cast<QLineEdit*>(form1_->control("Text9"))->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text().section(u'\t', 0, 0).remove(u'&');
            }
        }
        QCOMPARE(texts, (QStringList{"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina",
                                     "Seleziona tutto"}));
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
                 QStringLiteral("&Copia"));
    }
};

}  // namespace quadripolo::ui

QTEST_MAIN(quadripolo::ui::WindowsTest)
#include "windows_test.moc"
