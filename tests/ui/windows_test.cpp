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
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

#include "support/worked_example.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form_window.h"
#include "ui/run_command.h"

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

// What the commands show with the default inputs.
void compareShown(FormWindow* window, std::span<const test_support::ShownText> shown) {
    for (const auto& [control, expected] : shown) {
        QCOMPARE(text(window, control), QString::fromUtf8(expected));
    }
}

// Answers every message box that opens while `run` clicks, recording its text; `whileOpen`
// runs once while the first box is open, and a box that opens meanwhile is answered too.
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
        texts << box->text();
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->windowTitle(), QStringLiteral("Quadripolo"));
        box->button(QMessageBox::Ok)->click();
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
    // typed into it, built afresh after it is closed, and alive after the main window closes.
    void wiringAndWindowLife() {
        QCOMPARE(form1_->focusWidget()->objectName(), QStringLiteral("Text9"));
        click(form1_, "Command2");
        QCOMPARE(text(form1_, "Label41"), QStringLiteral("12.07E+00"));
        click(form1_, "Command1");
        compareShown(form1_, test_support::kSAnalysisShown);
        QCOMPARE(openWindow("Form2"), nullptr);
        click(form1_, "Command3");
        FormWindow* form2 = openWindow("Form2");
        QCOMPARE(form2->focusWidget()->objectName(), QStringLiteral("Text1"));
        compareShown(form2, test_support::kEquivalentShown);
        click(form2, "Command2");
        compareShown(form2, test_support::kCopiedY);
        click(form2, "Command1");
        QCOMPARE(text(form2, "Label35"), QStringLiteral("60.11E-03"));
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

    // An Italian locale: commas in the equivalent window, the point where it is forced.
    void localeSeparator() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        click(form1_, "Command1");
        QCOMPARE(text(form1_, "Label36"), QStringLiteral("12.07E+00"));
        click(form1_, "Command3");
        FormWindow* form2 = openWindow("Form2");
        QCOMPARE(text(form2, "Label2"), QStringLiteral("19,07E+00"));
        click(form2, "Command2");
        QCOMPARE(text(form2, "Text2"), QStringLiteral("30.85E-04"));
    }

    // A refused field and an arithmetic fault each give one OK-only box, and no box changes.
    void messagesAreModalOkOnlyBoxes() {
        form1_->setText("Text14", "", {});
        QCOMPARE(answerMessages([&] { click(form1_, "Command3"); }),
                 QStringList{"Hai dimenticato di scrivere il valore della tensione a vuoto in "
                             "Volt efficaci E"});
        QCOMPARE(openWindow("Form2"), nullptr);
        form1_->setText("Text14", "1", {});
        form1_->setText("Text9", "0", {});
        QCOMPARE(answerMessages([&] { click(form1_, "Command1"); }),
                 QStringList{"Calcolo interrotto: divisione per zero durante il calcolo del "
                             "coefficiente di riflessione d'ingresso. Nessun risultato è stato "
                             "scritto: controlla i dati inseriti."});
        QCOMPARE(text(form1_, "Label36"), QString());
    }

    // Every control inside the client area with its text unclipped in the font used; every
    // field and result box reads apart from every other of its window, and names its unit.
    void everyControlFitsAndReadsApart() {
        // The unit follows from the quantity: impedances, voltages, currents, powers,
        // admittances and phases have one; moduli and waves have none.
        const std::pair<const char*, QString> units[] = {
            {"^(Re|Im)\\([Zz]|^Ro,", ", ohm"},     {"^(Re|Im)\\(V|^E,", ", volt efficaci"},
            {"^(Re|Im)\\(I", ", ampere efficaci"}, {"^P(L|in),", ", watt"},
            {"^(Re|Im)\\(y", ", siemens"},         {" fase,", ", gradi"}};
        click(form1_, "Command3");
        for (FormWindow* window : {form1_, openWindow("Form2")}) {
            QSet<QString> readings;
            for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
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
                         qPrintable(control->objectName()));

                const QString reading = qobject_cast<QLineEdit*>(control)
                                            ? control->accessibleName()
                                            : control->accessibleDescription();
                if (qobject_cast<QLineEdit*>(control) || !reading.isEmpty()) {
                    QVERIFY2(!readings.contains(reading), qPrintable(reading));
                    readings.insert(reading);
                    for (const auto& [quantity, unit] : units) {
                        QVERIFY2(reading.endsWith(unit) ==
                                     QRegularExpression(quantity).match(reading).hasMatch(),
                                 qPrintable(reading));
                    }
                }
            }
        }
    }

    // Both windows' icon draws at the sizes of a title bar and a task list, and is not blank
    // (a missing image or icon plugin leaves it empty, with no message).
    void iconIsDrawn() {
        click(form1_, "Command3");
        for (FormWindow* window : {form1_, openWindow("Form2")}) {
            for (const int size : {16, 32}) {
                const QImage image = window->windowIcon().pixmap(size).toImage().convertToFormat(
                    QImage::Format_ARGB32);
                QCOMPARE(image.size(), QSize(size, size));
                QImage blank(image.size(), image.format());
                blank.fill(image.pixel(0, 0));
                QVERIFY(image != blank);
            }
        }
    }

    // A caption names its box; a press through assistive technology past an open box does
    // nothing.
    void assistiveTechnology() {
        QCOMPARE(form1_->control("Label36")->accessibleDescription(),
                 QStringLiteral("Re(Zi), calcolo con i parametri S, ohm"));
        QCOMPARE(form1_->control("Label41")->accessibleDescription(),
                 QStringLiteral("Re(Zi), calcolo con i parametri z, ohm"));
        QCOMPARE(qobject_cast<QLabel*>(form1_->control("Label37"))->buddy(),
                 form1_->control("Label36"));

        form1_->setText("Text14", "", {});
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(form1_->control("Command2"));
        const QStringList shown = answerMessages(
            [&] { click(form1_, "Command1"); },
            [&] {
                button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QTest::qWait(300);  // an animated press clicks a little later
            });
        QCOMPARE(shown.size(), 1);
    }

    // A result box offers the value its text was formed from, with its unit, on hover; before it
    // is written it has no tooltip and reads as empty, described all the same. A field written
    // by the copy takes no tooltip: its text is the user's to change.
    void fullValueOnHover() {
        QWidget* box = form1_->control("Label36");
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(box->toolTip(), QString());
        QCOMPARE(reading->text(QAccessible::Name), QStringLiteral("vuoto"));
        QCOMPARE(reading->text(QAccessible::Description),
                 QStringLiteral("Re(Zi), calcolo con i parametri S, ohm"));
        click(form1_, "Command1");
        QCOMPARE(box->toolTip(), QStringLiteral("12.071925996368467 \u03A9"));
        QCOMPARE(reading->text(QAccessible::Name), QStringLiteral("12.07E+00"));
        QCOMPARE(form1_->control("Label6")->toolTip(), QStringLiteral("0.11467066036058542"));
        QCOMPARE(form1_->control("Label73")->toolTip(), QStringLiteral("0.026687723271550313 A"));
        click(form1_, "Command3");
        FormWindow* form2 = openWindow("Form2");
        QCOMPARE(form2->control("Label34")->toolTip(), QStringLiteral("0.013868883515791734 S"));
        click(form2, "Command2");
        QCOMPARE(form2->control("Text1")->toolTip(), QString());
        click(form2, "Command1");
        QCOMPARE(form2->control("Label37")->toolTip(), QStringLiteral("213.59330453706713 \u00B0"));
    }

    // A column that a control's kind does not show must hold its default, so a window table cannot
    // say what the screen does not show.
    void everyColumnMeansWhatItSays() {
        const auto obeyed = [](ControlKind kind,
                               const std::function<void(ControlDescription&)>& change) {
            ControlDescription row{.kind = kind, .name = "C", .text = {}, .twips = {}};
            change(row);
            return obeysEveryColumn(std::span<const ControlDescription>(&row, 1));
        };
        using enum ControlKind;
        QVERIFY(obeyed(Label, [](auto& c) { c.quantity = "q", c.unit = Unit::Ohm; }));
        QVERIFY(!obeyed(Label, [](auto& c) { c.unit = Unit::Ohm; }));
        QVERIFY(obeyed(InputField, [](auto& c) { c.border = Border::Sunken; }));
        QVERIFY(!obeyed(InputField, [](auto& c) { c.wordWrap = true; }));
        QVERIFY(!obeyed(InputField, [](auto& c) { c.buddy = "L"; }));
        QVERIFY(!obeyed(InputField, [](auto& c) { c.border = Border::FixedSingle; }));
        QVERIFY(obeyed(Button, [](auto& c) { c.alignment = Alignment::Right; }));
        QVERIFY(!obeyed(Button, [](auto& c) { c.border = Border::Sunken; }));
        QVERIFY(!obeyed(Button, [](auto& c) { c.quantity = "q"; }));
        QVERIFY(obeyed(Picture, [](auto& c) { c.border = Border::FixedSingle; }));
        QVERIFY(!obeyed(Picture, [](auto& c) { c.text = "x"; }));
        QVERIFY(!obeyed(Picture, [](auto& c) { c.alignment = Alignment::Centre; }));
        QVERIFY(!obeyed(Picture, [](auto& c) { c.font = FontStyle::Regular; }));
        // A button is drawn in the classic style, which fills its bevel with its colour, and its
        // caption is placed as its row says: centred, wrapped.
        QCOMPARE(form1_->control("Command1")->style()->name(), QStringLiteral("windows"));
        QCOMPARE(qobject_cast<WrappingButton*>(form1_->control("Command1"))->captionFlags(),
                 static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap));
    }

    // Every control answers to its own name, a caption names a field or a result box that no
    // other caption names, and Tab visits every control that takes the focus once.
    void namesAndCaptionsPointOneWay() {
        for (const WindowDescription* window : {&form1Description(), &form2Description()}) {
            const QSet<std::string_view> tabOrder(window->focusOrder.begin(),
                                                  window->focusOrder.end());
            QCOMPARE(tabOrder.size(), static_cast<qsizetype>(window->focusOrder.size()));
            QSet<std::string_view> names;
            QSet<std::string_view> named;
            for (const ControlDescription& row : window->controls) {
                QCOMPARE(tabOrder.contains(row.name), row.kind != ControlKind::Label);
                QVERIFY2(!names.contains(row.name), row.name.data());
                names.insert(row.name);
                if (!row.buddy.empty()) {
                    QVERIFY2(!named.contains(row.buddy), row.buddy.data());
                    named.insert(row.buddy);
                    const auto box =
                        std::ranges::find(window->controls, row.buddy, &ControlDescription::name);
                    QVERIFY2(box != window->controls.end() && !box->quantity.empty(),
                             row.name.data());
                }
            }
        }
    }

    // A control whose row gives a colour is painted in it, in the role its kind shows; a label or
    // the picture without one lets the window's background show.
    void everyBackgroundIsPainted() {
        click(form1_, "Command3");
        for (FormWindow* window : {form1_, openWindow("Form2")}) {
            const WindowDescription& description =
                window == form1_ ? form1Description() : form2Description();
            for (const ControlDescription& row : description.controls) {
                const QWidget* control = window->control(row.name);
                const bool filled =
                    row.kind == ControlKind::Label || row.kind == ControlKind::Picture;
                if (row.background == nullptr) {
                    QVERIFY2(!filled || !control->autoFillBackground(), row.name.data());
                    continue;
                }
                const QPalette::ColorRole role =
                    row.kind == ControlKind::InputField ? QPalette::Base
                    : row.kind == ControlKind::Button   ? QPalette::Button
                                                        : QPalette::Window;
                QVERIFY2(!filled || control->autoFillBackground(), row.name.data());
                QCOMPARE(control->palette().color(role),
                         QColor(row.background->red, row.background->green, row.background->blue));
            }
        }
    }

    // A name the window does not have is a programming error, not a null control.
    void unknownControlThrows() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form1_->control("Label999"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form1_->setText("Text99", "x", {}));
    }
};

}  // namespace quadripolo::ui

QTEST_MAIN(quadripolo::ui::WindowsTest)
#include "windows_test.moc"
