#pragma once

// A property every input must keep: its failure stops the fuzzer on the input that broke it.
inline void verifier(bool condition)
{
    if (!condition)
        __builtin_trap();
}
