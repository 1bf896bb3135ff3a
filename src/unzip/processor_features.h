// What an x86 processor offers beyond the build's baseline.
#pragma once

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>

namespace unzip {

// True when the processor has all the given feature bits of CPUID leaf 1 (bit_SSE2 and the
// like from <cpuid.h>, in ECX and EDX).
inline bool ProcessorHas(unsigned ecx_bits, unsigned edx_bits) {
  unsigned eax, ebx, ecx, edx;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
  return (ecx & ecx_bits) == ecx_bits && (edx & edx_bits) == edx_bits;
}

}  // namespace unzip
#endif
