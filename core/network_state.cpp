#include "network_state.h"

#include <optional>

#include "complex_arithmetic.h"
#include "numeric_text.h"

namespace quadripolo {

namespace {

// Where each of the main window's fields is stored, in the reading order of kMainWindowFields.
struct FieldTarget {
    CheckedDouble NetworkState::*field;
    bool isPhase;
    std::string_view name;
};

constexpr std::array<FieldTarget, kMainWindowFields.size()> kMainWindowTargets{{
    {&NetworkState::s11Mag, false, "s11Mag"},
    {&NetworkState::s11Phase, true, "s11Phase"},
    {&NetworkState::s12Mag, false, "s12Mag"},
    {&NetworkState::s12Phase, true, "s12Phase"},
    {&NetworkState::s21Mag, false, "s21Mag"},
    {&NetworkState::s21Phase, true, "s21Phase"},
    {&NetworkState::s22Mag, false, "s22Mag"},
    {&NetworkState::s22Phase, true, "s22Phase"},
    {&NetworkState::zeRe, false, "zeRe"},
    {&NetworkState::zeIm, false, "zeIm"},
    {&NetworkState::zlRe, false, "zlRe"},
    {&NetworkState::zlIm, false, "zlIm"},
    {&NetworkState::ro, false, "ro"},
    {&NetworkState::eRms, false, "eRms"},
}};

// The y fields of the equivalent-parameter window, in the reading order of kYFields (Ro last).
constexpr std::array<FieldTarget, kYFields.size() - 1> kYTargets{{
    {&NetworkState::y11Re, false, "y11Re"},
    {&NetworkState::y11Im, false, "y11Im"},
    {&NetworkState::y12Re, false, "y12Re"},
    {&NetworkState::y12Im, false, "y12Im"},
    {&NetworkState::y21Re, false, "y21Re"},
    {&NetworkState::y21Im, false, "y21Im"},
    {&NetworkState::y22Re, false, "y22Re"},
    {&NetworkState::y22Im, false, "y22Im"},
}};

// The real part is stored before the imaginary part is computed; the phase is in radians.
void polarToRectangular(std::string_view quantity, CheckedDouble magnitude, CheckedDouble phase,
                        CheckedDouble& re, CheckedDouble& im) {
    computing(quantity);
    re = magnitude * cosine(phase);
    im = magnitude * sine(phase);
}

// A text that has passed the check converts; the check has refused any out-of-range value.
double convertChecked(const std::string& text) {
    return convertNumericText(text).value_or(0.0);
}

}  // namespace

NetworkState& sharedState() {
    static NetworkState state;
    return state;
}

void NetworkState::formProduct(const ComplexOperands& operands) {
    loadWorkOperands(operands);
    complexMultiply(workARe, workAIm, workBRe, workBIm, workResultRe, workResultIm);
}

void NetworkState::formQuotient(const ComplexOperands& operands) {
    loadWorkOperands(operands);
    complexDivide(workARe, workAIm, workBRe, workBIm, workResultRe, workResultIm);
}

void NetworkState::loadWorkOperands(const ComplexOperands& operands) {
    workARe = operands.p;
    workAIm = operands.q;
    workBRe = operands.r;
    workBIm = operands.s;
}

void NetworkState::formProduct(const ComplexOperands& operands, CheckedDouble& re,
                               CheckedDouble& im) {
    formProduct(operands);
    re = workResultRe;
    im = workResultIm;
}

void NetworkState::formQuotient(const ComplexOperands& operands, CheckedDouble& re,
                                CheckedDouble& im) {
    formQuotient(operands);
    re = workResultRe;
    im = workResultIm;
}

void NetworkState::toRectangular() {
    polarToRectangular("s11", s11Mag, s11Phase, s11Re, s11Im);
    polarToRectangular("s12", s12Mag, s12Phase, s12Re, s12Im);
    polarToRectangular("s21", s21Mag, s21Phase, s21Re, s21Im);
    polarToRectangular("s22", s22Mag, s22Phase, s22Re, s22Im);
}

void NetworkState::checkNumericText(const std::string& text, MessageSink& messages) {
    inputError = 0;
    if (text.empty()) {
        messages.showMessage(missingValueMessage);
        inputError = 1;
        return;
    }
    // Any length is counted; a value that the conversion cannot hold is refused like a bad
    // character, so that the conversion pass never meets it.
    if (!isAcceptableNumericText(text)) {
        messages.showMessage(badValueMessage);
        inputError = 1;
    }
}

bool NetworkState::checkFields(std::span<const InputField> fields, const FieldSource& window,
                               MessageSink& messages) {
    for (const InputField& field : fields) {
        fieldText = window.fieldText(field.control);
        // Composing the two messages costs more than the check. A text that passes never shows
        // them, so they are composed before the check of a text that fails and of the last
        // field: the slots end as if they had been set before every check.
        if (fieldText.empty() || !isAcceptableNumericText(fieldText) || &field == &fields.back()) {
            missingValueMessage.assign(kMissingValuePrefix).append(field.missingSubject);
            badValueMessage.assign(kBadValuePrefix)
                .append(field.badSubject)
                .append(kBadValueSuffix);
        }
        checkNumericText(fieldText, messages);
        if (inputError == 1) {
            return false;
        }
    }
    return true;
}

bool NetworkState::readMainWindowFields(const FieldSource& window, MessageSink& messages) {
    if (!checkFields(kMainWindowFields, window, messages)) {
        return false;
    }
    for (std::size_t i = 0; i < kMainWindowFields.size(); ++i) {
        const FieldTarget& target = kMainWindowTargets[i];
        const CheckedDouble value = convertChecked(window.fieldText(kMainWindowFields[i].control));
        if (target.isPhase) {
            computing(target.name);
            this->*target.field = degreesToRadians(value);
        } else {
            this->*target.field = value;
        }
    }
    return true;
}

bool NetworkState::readYFields(const FieldSource& window, MessageSink& messages) {
    if (!checkFields(kYFields, window, messages)) {
        return false;
    }
    ro = convertChecked(window.fieldText(kYFields.back().control));
    for (std::size_t i = 0; i < kYTargets.size(); ++i) {
        const FieldTarget& target = kYTargets[i];
        computing(target.name);
        this->*target.field = convertChecked(window.fieldText(kYFields[i].control)) * ro;
    }
    return true;
}

void NetworkState::showResult(TextTarget& target, double value, std::string_view localeSeparator) {
    target.setText(formatResult(value, localeSeparator));
    separatorPosition = value < 0.0 ? 4 : 3;
    resultText = target.text();
    forceDecimalPoint(resultText, separatorPosition);
    target.setText(resultText);
}

}  // namespace quadripolo
