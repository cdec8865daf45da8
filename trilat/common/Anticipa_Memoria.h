// Asks for the memory at an address to be brought near, for a read soon after: reads of scattered places issued
// together wait for memory once instead of one after another.
#pragma once

namespace Vyr_Trilat {

inline void Anticipa_Memoria(const void* p) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(p);
#else
  (void)p;
#endif
}

}  // namespace Vyr_Trilat
