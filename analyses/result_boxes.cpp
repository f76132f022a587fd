#include "result_boxes.h"

namespace quadripolo {

namespace {

// One control of a window as the target of showResult.
class ControlText final : public TextTarget {
public:
    ControlText(Window& window, std::string_view control) : window_(window), control_(control) {}
    std::string text() const override { return window_.text(control_); }
    void setText(const std::string& text) override { window_.setText(control_, text); }

private:
    Window& window_;
    std::string_view control_;
};

}  // namespace

void showResults(NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    const std::string separator = window.decimalSeparator();
    for (const ResultBox& box : boxes) {
        const double value = state.*box.field;
        ControlText target(window, box.control);
        state.showResult(target, value, separator);
        window.setFullValue(box.control, value);
    }
}

void formatResults(const NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    const std::string separator = window.decimalSeparator();
    for (const ResultBox& box : boxes) {
        const double value = state.*box.field;
        window.setText(box.control, formatResult(value, separator));
        window.setFullValue(box.control, value);
    }
}

}  // namespace quadripolo
