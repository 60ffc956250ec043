// The key tables over any key, character or message and any state: every decision is one of
// the table's actions and dispositions, and only the shared keys change a code: Shift with a
// digit's key gives the digit.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "tests/fuzz/fuzz_check.h"
#include "utility/rules/input_keys.h"

namespace {

void CheckDecision(const KeyDecision& decision, const KeyInput& input, bool digitsRemapped) {
    Require(decision.action >= KeyAction::None && decision.action <= KeyAction::HandleDrop,
            "the action is one of the table's");
    Require(decision.disposition >= Disposition::PassOn &&
                decision.disposition <= Disposition::ConsumedIfPicked,
            "the disposition is one of the table's");
    bool remapped =
        digitsRemapped && input.kind == KeyKind::Char && input.code >= 33 && input.code <= 42;
    Require(decision.code == (remapped ? input.code + 16 : input.code),
            "only a shifted digit changes the code");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    while (data.remaining_bytes() > 0) {
        KeyInput input;
        input.kind = static_cast<KeyKind>(data.ConsumeIntegralInRange(0, 7));
        input.code = data.ConsumeBool() ? data.ConsumeIntegralInRange(0u, 0xFFu)
                                        : data.ConsumeIntegral<unsigned>();
        input.repeat = data.ConsumeBool();
        input.ctrl = data.ConsumeBool();
        input.shift = data.ConsumeBool();
        input.alt = data.ConsumeBool();
        InputLineState line{data.ConsumeBool(), data.ConsumeIntegral<int>()};
        ControlKeyState control{data.ConsumeBool(), data.ConsumeBool(), data.ConsumeBool()};

        KeyDecision own = InputLineKey(input, line);
        CheckDecision(own, input, false);
        if (own.disposition != Disposition::PassOn) continue;
        KeyInput passed = input;
        passed.code = own.code;
        CheckDecision(ControlKey(passed, control), passed, true);
    }
    return 0;
}
