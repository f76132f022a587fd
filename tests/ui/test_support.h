#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <span>
#include <utility>

#include "equivalent_form.h"
#include "expected_windows.h"
#include "main_form.h"
#include "support/worked_example.h"

namespace quadripolo::ui::test {

// Configures the test's application as the program does at start-up.
void initApplication();

// Opens a fresh main window, shown and active, as at start-up.
MainForm* openMainForm();

// Closes every window and lets the closed ones be deleted.
void closeAllWindows();

// Closes every window and gives the test back the locale that initApplication chose.
void restoreStartState();

// Makes the test's locale an Italian one if `comma`, and gives its decimal separator.
QChar chooseLocale(bool comma);

// Runs the deletions that closing windows has posted.
void flushDeletions();

// The visible top-level window of that object name, or nullptr.
QWidget* openWindow(const QString& name);

// Form2 if it is open, or nullptr.
QWidget* form2();

// Presses Form1's third button with the mouse and gives the Form2 it opens, or nullptr.
QWidget* openForm2(QWidget* form1);

// How many Form2 windows there are, shown or hidden, until closing deletes them.
int form2Count();

// The control of that name in `window`.
template <class T = QWidget>
T* control(const QWidget* window, const char* name) {
    return window == nullptr
               ? nullptr
               : window->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Texts by control name, in the order they are typed or checked.
using Texts = QList<std::pair<QString, QString>>;

// A table of the worked example as Texts.
Texts texts(std::span<const testing::ShownText> table);

// The worked example's texts (support/worked_example.h) as Texts.
inline const Texts kSAnalysisTexts = texts(testing::kSAnalysisTexts);
inline const Texts kZAnalysisTexts = texts(testing::kZAnalysisTexts);
inline const Texts kEquivalentTexts = texts(testing::kEquivalentTexts);
inline const Texts kCopiedY = texts(testing::kCopiedY);
inline const Texts kSOfCopiedY = texts(testing::kSOfCopiedY);

// Form2's S boxes in the order the conversion writes them.
inline constexpr const char* kForm2SBoxes[] = {"Label35", "Label37", "Label38", "Label36",
                                               "Label43", "Label44", "Label45", "Label46"};

// `texts` with every decimal point replaced by `separator`.
Texts withSeparator(const Texts& texts, QChar separator);

// The text of the field or label of that name in `window`.
QString textOf(const QWidget* window, const QString& name);

// Checks that every control of `expected` shows its text.
void verifyTexts(const QWidget* window, const Texts& expected);

// Both windows built side by side, as the tests that look at their controls need them.
class BothWindows {
public:
    void build();
    void show();
    void destroy();

    MainForm* form1() const { return form1_; }
    EquivalentForm* form2() const { return form2_; }
    // Form1 or Form2 by name.
    QWidget* window(const char* name) const;
    QWidget* window(const QString& name) const { return window(qPrintable(name)); }

private:
    QPointer<MainForm> form1_;
    QPointer<EquivalentForm> form2_;
};

// One data row, named window/name, per entry of a table of expected controls, with the entry's
// index as the column "row".
template <class Table>
void addRowPerEntry(const Table& table) {
    QTest::addColumn<int>("row");
    int row = 0;
    for (const auto& expected : table) {
        QTest::addRow("%s/%s", expected.window, expected.name) << row++;
    }
}

// The columns "window" and "name", with one data row per entry of each table of expected
// controls.
template <class... Tables>
void addControlRows(const Tables&... tables) {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    auto add = [](const auto& table) {
        for (const auto& e : table) {
            QTest::addRow("%s/%s", e.window, e.name)
                << QString::fromLatin1(e.window) << QString::fromLatin1(e.name);
        }
    };
    (add(tables), ...);
}

// A widget's geometry in twips.
Twips twipsOf(const QWidget& widget);

// Clicks a button with the mouse, as the user would.
void click(QWidget* window, const char* button);

// Records and dismisses, with OK, every modal message box that opens while it runs: a timer
// polls QApplication::activeModalWidget().
class MessageBoxCatcher : public QObject {
public:
    MessageBoxCatcher();

    struct Seen {
        QString title;
        QString text;
        int buttonCount = 0;
        bool onlyOk = false;
        bool noIcon = false;
        bool applicationModal = false;
        bool plainText = false;
    };
    const QList<Seen>& seen() const { return seen_; }
    QStringList texts() const;

private:
    void poll();

    QTimer timer_;
    QList<Seen> seen_;
};

// Lets QCOMPARE compare and print a geometry in twips.
bool operator==(const Twips& a, const Twips& b);
char* toString(const Twips& twips);

}  // namespace quadripolo::ui::test
