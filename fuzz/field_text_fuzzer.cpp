// Any text through the field check and the conversion.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "network_state.h"

namespace {

class Recorder : public quadripolo::MessageSink {
public:
    int shown = 0;
    void showMessage(std::string_view) override { ++shown; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadripolo;
    const std::string text(reinterpret_cast<const char*>(data), size);
    NetworkState state;
    state.missingValueMessage = "missing";
    state.badValueMessage = "bad";
    Recorder messages;
    state.checkNumericText(text, messages);
    if (messages.shown != state.inputError) {
        fuzzing::fail("a message without inputError, or the reverse");
    }
    const auto value = convertNumericText(text);
    if (state.inputError == 0) {
        if (!value || !std::isfinite(*value)) {
            fuzzing::fail("an accepted text without a finite value");
        }
    } else if (!text.empty() && holdsOnlyNumericCharacters(text) && value) {
        fuzzing::fail("a refused text of allowed characters with a value");
    }
    return 0;
}
