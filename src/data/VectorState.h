#pragma once

// Code elsewhere in the process (the toolkit's image fills and blends) may
// return with the upper halves of the vector registers in use; until they
// are cleared every plain SSE instruction pays a transition penalty, which
// made the logarithm of a full set thirty times slower and a full save five
// times slower. The registers carry nothing across a call, so clearing them
// has no other effect; without AVX there is nothing to clear.
//
// It is called where work enters the program, not in every operation: the
// windows' guarded handlers, each command of src/commands, the command line.

inline void clearUpperVectorState()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        asm volatile("vzeroupper");
#endif
}
