#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "expected_windows.h"
#include "main_form.h"

namespace quadripolo::ui::test {

// Configures the test's application as the program does at start-up.
void initApplication();

// Opens a fresh main window, shown and active, as at start-up.
MainForm* openMainForm();

// Closes every window and lets the closed ones be deleted.
void closeAllWindows();

// Runs the deletions that closing windows has posted.
void flushDeletions();

// The visible top-level window of that object name, or nullptr.
QWidget* openWindow(const QString& name);

// The control of that name in `window`.
template <class T = QWidget>
T* control(const QWidget* window, const char* name) {
    return window == nullptr
               ? nullptr
               : window->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
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
