// Numbers in text read strictly: the whole text must be the number (an optional leading '+' allowed), so that a
// stray character is an error and not a silently shorter value.
#pragma once

#include <charconv>
#include <string_view>
#include <system_error>

namespace Vyr_Trilat::anfitrion {

template <typename T>
bool Lee_Numero(std::string_view s, T& v) {
  if (s.size() > 1 && s.front() == '+' && s[1] != '-') s.remove_prefix(1);
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return !s.empty() && ec == std::errc() && p == s.data() + s.size();
}

}  // namespace Vyr_Trilat::anfitrion
