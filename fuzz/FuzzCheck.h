#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input: when it does not, the run stops with the input that broke it, which
// libFuzzer then keeps as a finding and the corpus replay reports as a failure.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
