// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/window.h"
#include "worked_example.h"

namespace quadripolo::test_support {

// The double that a full value reads back as; NaN for a text that is none.
inline double fullValue(std::string_view text) {
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// One thing a click did to the windows, as its words: {"write", window, control, text, full
// value}, {"message", window, text} or {"open", "F2"}.
using Step = std::vector<std::string>;

// A window without widgets: controls are texts by name. Given a log of steps, it logs every
// write, message and opening in order, in one log with the equivalent-parameter window it opens,
// which is another fake, built on first use.
class FakeWindow : public Window {
public:
    explicit FakeWindow(std::string decimalSeparator = ".")
        : separator(std::move(decimalSeparator)) {}

    std::string name = "F1";
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::string, std::less<>> formedFrom;  // as written with each text
    std::vector<std::string> messages;
    std::shared_ptr<std::vector<Step>> steps;
    std::string separator;
    std::unique_ptr<FakeWindow> equivalent;

    std::string text(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, const std::string& text,
                 std::string_view value) override {
        texts[std::string(control)] = text;
        formedFrom[std::string(control)] = value;
        log({"write", name, std::string(control), text, std::string(value)});
    }
    void showMessage(std::string_view message) override {
        messages.emplace_back(message);
        log({"message", name, std::string(message)});
    }
    std::string decimalSeparator() const override { return separator; }
    Window& loadAndShowEquivalentWindow() override {
        if (!equivalent) {
            equivalent = std::make_unique<FakeWindow>(separator);
            equivalent->name = "F2";
            equivalent->texts["Text9"] = "50";
            equivalent->steps = steps;
        }
        log({"open", "F2"});
        return *equivalent;
    }

private:
    void log(Step step) {
        if (steps) {
            steps->push_back(std::move(step));
        }
    }
};

// The equivalent-parameter window's fields with Re(y11) 0.04 alone and Ro 50: y11 normalises to 2.
inline constexpr ShownText kYWindowInputs[] = {
    {"Text1", "0.04"}, {"Text2", "0"}, {"Text5", "0"}, {"Text6", "0"},  {"Text3", "0"},
    {"Text4", "0"},    {"Text7", "0"}, {"Text8", "0"}, {"Text9", "50"},
};

// A window holding `texts`, then `changes`: the main window's initial texts unless told otherwise.
inline FakeWindow windowWith(std::span<const ShownText> changes = {},
                             std::span<const ShownText> texts = kMainWindowDefaults,
                             std::string decimalSeparator = ".") {
    FakeWindow window(std::move(decimalSeparator));
    for (const std::span<const ShownText> layer : {texts, changes}) {
        for (const auto& [control, text] : layer) {
            window.texts[control] = text;
        }
    }
    return window;
}

inline FakeWindow yWindowWith(std::span<const ShownText> changes = {}) {
    return windowWith(changes, kYWindowInputs);
}

}  // namespace quadripolo::test_support
