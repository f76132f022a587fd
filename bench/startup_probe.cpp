// SPDX-License-Identifier: MIT
// Started by startup_and_memory.sh under Xvfb. Starts the program as it starts for a user and
// prints "name value" lines: the wall-clock time of the main window's first frame (nanoseconds
// since the epoch) and the peak resident memory after start and after each command.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "ui/application.h"
#include "ui/form_window.h"

namespace {

long peakResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void click(const char* window, const char* button, const char* label) {
    QWidget* form = topLevel(window);
    auto* target = form != nullptr ? form->findChild<QAbstractButton*>(button) : nullptr;
    if (target == nullptr) {
        std::printf("missing %s.%s\n", window, button);
        return;
    }
    target->click();
    QApplication::processEvents();
    std::printf("peak_rss_kib_after_%s %ld\n", label, peakResidentKiB());
}

// Notes the first paint of the main window, then, once that frame is out, runs every command.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("first_frame_ns %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::printf("peak_rss_kib_after_start %ld\n", peakResidentKiB());
                click("Form1", "Command1", "s_analysis");
                click("Form1", "Command2", "z_analysis");
                click("Form1", "Command3", "equivalent_parameters");
                click("Form2", "Command2", "copy_y");
                click("Form2", "Command1", "y_to_s");
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quadripolo::ui::configureApplication(application);
    FirstFrame firstFrame;
    quadripolo::NetworkState state;
    auto* form1 = new quadripolo::ui::FormWindow(quadripolo::ui::form1Description(),
                                                 quadripolo::ui::kForm1Buttons, state);
    form1->installEventFilter(&firstFrame);
    form1->show();
    return QApplication::exec();
}
