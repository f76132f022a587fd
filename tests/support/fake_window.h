// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/window.h"
#include "worked_example.h"

namespace quadripolo::test_support {

// A window without widgets: controls are texts by name, messages are recorded. The
// equivalent-parameter window it opens is another one, built on first use.
class FakeWindow : public Window {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::string, std::less<>> formedFrom;  // as written with each text
    std::vector<std::string> messages;
    std::string separator = ".";
    std::unique_ptr<FakeWindow> equivalent;
    int writes = 0;

    std::string text(std::string_view control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(std::string_view control, const std::string& text,
                 std::string_view value) override {
        texts[std::string(control)] = text;
        formedFrom[std::string(control)] = value;
        ++writes;
    }
    void showMessage(std::string_view message) override { messages.emplace_back(message); }
    std::string decimalSeparator() const override { return separator; }
    Window& loadAndShowEquivalentWindow() override {
        if (!equivalent) {
            equivalent = std::make_unique<FakeWindow>();
            equivalent->texts["Text9"] = "50";
            equivalent->separator = separator;
        }
        return *equivalent;
    }
};

// A window holding the main window's initial texts, then `changes`.
inline FakeWindow windowWith(std::span<const ShownText> changes = {}) {
    FakeWindow window;
    for (const auto& [control, text] : kMainWindowDefaults) {
        window.texts[control] = text;
    }
    for (const auto& [control, text] : changes) {
        window.texts[control] = text;
    }
    return window;
}

// The equivalent-parameter window with Re(y11) 0.04 alone and Ro 50 (y11 normalises to 2), then
// `changes`.
inline FakeWindow yWindowWith(std::span<const ShownText> changes = {}) {
    FakeWindow window;
    for (const char* field :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}) {
        window.texts[field] = "0";
    }
    window.texts["Text1"] = "0.04";
    window.texts["Text9"] = "50";
    for (const auto& [control, text] : changes) {
        window.texts[control] = text;
    }
    return window;
}

}  // namespace quadripolo::test_support
