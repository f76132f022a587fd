#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window.h"
#include "worked_example.h"

namespace quadripolo::testing {

// A window without widgets: controls are texts by name, messages are recorded.
template <class Interface>
class FakeWindowOf : public Interface {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> messages;
    std::map<std::string, double, std::less<>> fullValues;
    std::string separator = ".";
    int writes = 0;

    std::string text(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, const std::string& text) override {
        texts[std::string(control)] = text;
        ++writes;
    }
    std::string decimalSeparator() const override { return separator; }
    void setFullValue(std::string_view control, double value) override {
        fullValues[std::string(control)] = value;
    }
    void showMessage(std::string_view message) override { messages.emplace_back(message); }
};

using FakeWindow = FakeWindowOf<Window>;

// The main window's fourteen fields with their initial texts.
template <class Interface>
inline void fillMainWindowDefaults(FakeWindowOf<Interface>& window) {
    for (const auto& [control, text] : kMainWindowDefaults) {
        window.texts[control] = text;
    }
}

// The main window, which opens a fake equivalent-parameter window built afresh after close.
class FakeMainWindow : public FakeWindowOf<MainWindow> {
public:
    std::unique_ptr<FakeWindow> form2;
    int opens = 0;

    FakeMainWindow() { fillMainWindowDefaults(*this); }

    Window& loadAndShowEquivalentWindow() override {
        ++opens;
        if (!form2) {
            form2 = std::make_unique<FakeWindow>();
            form2->texts["Text9"] = "50";
            form2->separator = separator;
        }
        return *form2;
    }
    void closeEquivalentWindow() { form2.reset(); }
};

}  // namespace quadripolo::testing
