// fuzz_check.h — how a target reports a broken property: libFuzzer takes the abort as a finding
// and keeps the input.
#pragma once
#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}
