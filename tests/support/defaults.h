#pragma once

#include "fake_window.h"
#include "field_reading.h"
#include "worked_example.h"

namespace quadripolo::testing {

// The main window with its initial texts.
inline FakeWindow mainWindowWithDefaults() {
    FakeWindow window;
    for (const auto& [control, text] : kMainWindowDefaults) {
        window.texts[control] = text;
    }
    return window;
}

// A record holding the default inputs as the main window's reading stores them.
inline NetworkState defaultInputs() {
    NetworkState state;
    FakeWindow window = mainWindowWithDefaults();
    readFields(state, window, kMainWindowFields);
    return state;
}

}  // namespace quadripolo::testing
