// A check that stops the fuzzer with a message: libFuzzer reports the abort
// as a crash and keeps the input.
#pragma once

#include "mib/QnException.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #cond);                  \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// A QnException whose code is not among the expected ones is a fault.
inline void ExpectCode(const QnException& e, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (e.Code() == c)
            return;
    std::fprintf(stderr, "unexpected error %d: %s\n", e.Code(), e.what());
    std::abort();
}

inline std::string Text(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}
