// Fourteen texts through the main window's three commands: check, conversion, both solutions,
// the z route and every display text.
#include <cstdint>

#include "commands.h"
#include "fuzz_support.h"
#include "support/fake_window.h"

namespace {

const char* const kFields[] = {"Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
                               "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"};

template <class Window, class Command>
void clickAndCheck(quadripolo::NetworkState& state, quadripolo::testing::FakeMainWindow& form1,
                   Window& target, Command command) {
    using namespace quadripolo;
    const std::size_t messagesBefore = form1.messages.size();
    const int writesBefore = target.writes;
    target.fullValues.clear();
    runCommand(form1, [&] { command(state, form1); });
    if (form1.messages.size() > messagesBefore + 1) {
        fuzzing::fail("more than one message for one click");
    }
    if (form1.messages.size() == messagesBefore + 1) {
        fuzzing::expectKnownMessage(form1.messages.back());
        if (target.writes != writesBefore) {
            fuzzing::fail("a box written by a command that showed a message");
        }
        return;
    }
    for (const auto& [control, value] : target.fullValues) {
        fuzzing::expectDisplayable(value, target.text(control));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadripolo;
    const auto texts = fuzzing::splitTexts(data, size, 14);
    NetworkState state;
    testing::FakeMainWindow form1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        form1.texts[kFields[i]] = texts[i];
    }
    clickAndCheck(state, form1, form1, form1::Command1_Click);
    clickAndCheck(state, form1, form1, form1::Command2_Click);
    const int opensBefore = form1.opens;
    runCommand(form1, [&] { form1::Command3_Click(state, form1); });
    if (form1.opens > opensBefore) {
        for (const auto& [control, value] : form1.form2->fullValues) {
            fuzzing::expectDisplayable(value, form1.form2->text(control));
        }
    }
    return 0;
}
