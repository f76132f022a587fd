// SPDX-License-Identifier: MIT
// Any texts through the five commands, run as a click runs them: fourteen for the main window's
// fields, then nine for the equivalent-parameter window's, one a line. Nothing may crash, and
// every shown text has the number pattern.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "analyses/run_command.h"
#include "core/input_fields.h"
#include "support/fake_window.h"

namespace {

using namespace quadripolo;

void expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// "-DD?DDE+XX" with the separator `point`, two or three exponent digits.
bool hasTheNumberPattern(const std::string& text, const std::string& point) {
    const std::string body = text.substr(text.starts_with('-') ? 1 : 0);
    return (body.size() == 8 + point.size() || body.size() == 9 + point.size()) &&
           body.substr(2, point.size()) == point && body[4 + point.size()] == 'E';
}

void run(NetworkState& state, test_support::FakeWindow& window, std::span<const InputField> fields,
         std::vector<std::string>::const_iterator texts, const std::string& point,
         std::initializer_list<Command> commands) {
    for (const InputField& field : fields) {
        window.texts[std::string(field.control)] = *texts++;
    }
    for (const Command command : commands) {
        runCommand(command, state, window);
    }
    for (const auto& [control, text] : window.texts) {
        expect(!control.starts_with("Label") || hasTheNumberPattern(text, point),
               "a result without the number pattern");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> texts;
    for (std::string line; std::getline(lines, line);) {
        texts.push_back(line);
    }
    texts.resize(std::size(kMainWindowFields) + std::size(kYWindowFields));
    NetworkState state;
    test_support::FakeWindow form1(",");
    run(state, form1, kMainWindowFields, texts.begin(), ".",
        {form1::Command1_Click, form1::Command2_Click, form1::Command3_Click});
    auto& form2 = static_cast<test_support::FakeWindow&>(form1.loadAndShowEquivalentWindow());
    run(state, form2, kYWindowFields, texts.begin() + std::size(kMainWindowFields), ",",
        {form2::Command1_Click, form2::Command2_Click, form2::Command1_Click});
    return 0;
}
