// The host's "resume next" for one statement: when it raises a run-time error the statement is skipped and the
// caller goes on with the next one. For the operations designed to tolerate a damaged setting step by step.
#pragma once

#include <utility>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

template <typename F>
void Omite_Error(F&& sentencia) {
  try {
    std::forward<F>(sentencia)();
  } catch (const RuntimeError&) {
  }
}

}  // namespace Vyr_Trilat
