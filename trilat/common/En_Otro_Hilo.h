// Work handed to another thread while this one goes on; where no thread can be had, or `con_hilo` says the work is
// too small to be worth one, it is done here instead, when its result is asked for. Either way get() gives the
// result (or raises what the work raised).
#pragma once

#include <future>
#include <memory>
#include <system_error>
#include <type_traits>

namespace Vyr_Trilat {

template <typename F>
std::future<std::invoke_result_t<F&>> En_Otro_Hilo(F f, bool con_hilo = true) {
  // Shared, so that the work outlives a thread that fails to start and can still be done here.
  auto trabajo = std::make_shared<F>(std::move(f));
  const auto haz = [trabajo] { return (*trabajo)(); };
  if (!con_hilo) return std::async(std::launch::deferred, haz);
  try {
    return std::async(std::launch::async, haz);
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, haz);
  }
}

}  // namespace Vyr_Trilat
