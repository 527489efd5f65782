#pragma once
// A property that does not hold is a finding like a crash: the run stops and libFuzzer keeps
// the input that broke it.
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzPropertyFailed(const char* property, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

#define FUZZ_CHECK(property) ((property) ? static_cast<void>(0) : FuzzPropertyFailed(#property, __FILE__, __LINE__))
