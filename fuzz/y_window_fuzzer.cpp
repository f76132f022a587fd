// Nine texts through the conversion from y to S, then the copy of the y values.
#include <cstdint>

#include "commands.h"
#include "fuzz_support.h"
#include "support/fake_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadripolo;
    const char* const fields[] = {"Text1", "Text2", "Text5", "Text6", "Text3",
                                  "Text4", "Text7", "Text8", "Text9"};
    const auto texts = fuzzing::splitTexts(data, size, 9);
    NetworkState state;
    testing::FakeWindow form2;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        form2.texts[fields[i]] = texts[i];
    }
    runCommand(form2, [&] { form2::Command1_Click(state, form2); });
    if (form2.messages.size() > 1) {
        fuzzing::fail("more than one message for one click");
    }
    if (!form2.messages.empty()) {
        fuzzing::expectKnownMessage(form2.messages.back());
        if (form2.writes != 0) {
            fuzzing::fail("a box written by a command that showed a message");
        }
        return 0;
    }
    for (const auto& [control, value] : form2.fullValues) {
        fuzzing::expectDisplayable(value, form2.text(control));
    }
    form2.fullValues.clear();
    runCommand(form2, [&] { form2::Command2_Click(state, form2); });
    for (const auto& [control, value] : form2.fullValues) {
        fuzzing::expectDisplayable(value, form2.text(control));
    }
    return 0;
}
