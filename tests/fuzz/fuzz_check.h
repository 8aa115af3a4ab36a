#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken property is a crash to libFuzzer: it keeps the input and reports it.
inline void FuzzCheck(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what.c_str());
        std::abort();
    }
}
