// A set of positions 0 to n - 1, one bit each, that finds the next member (of it, or of it and another set)
// a word at a time: long runs of non-members cost a load per 64 positions.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vyr_Trilat {

class Conjunto_Bits {
 public:
  Conjunto_Bits() = default;
  // Positions 0 to n - 1, all members or none.
  Conjunto_Bits(std::size_t n, bool todos) : palabras_((n + 63) / 64, todos ? ~std::uint64_t{0} : 0) {
    if (todos && n % 64 != 0) palabras_.back() = (std::uint64_t{1} << (n % 64)) - 1;
  }

  // The word of 64 positions that holds position k, and setting one word as another set has it.
  static constexpr std::size_t Palabra_De(std::size_t k) { return k / 64; }
  void Copia_Palabra(const Conjunto_Bits& otro, std::size_t w) { palabras_[w] = otro.palabras_[w]; }

  bool Tiene(std::size_t k) const { return (palabras_[k / 64] >> (k % 64)) & 1; }
  void Pon(std::size_t k, bool miembro) {
    const std::uint64_t bit = std::uint64_t{1} << (k % 64);
    palabras_[k / 64] = miembro ? palabras_[k / 64] | bit : palabras_[k / 64] & ~bit;
  }

  // The first member from `desde` to `hasta` that is also one of `otro` (when given); hasta + 1 when none.
  long long Siguiente(long long desde, long long hasta, const Conjunto_Bits* otro = nullptr) const {
    if (desde > hasta) return hasta + 1;
    auto w = static_cast<std::size_t>(desde) / 64;
    std::uint64_t bits = Palabra(w, otro) & (~std::uint64_t{0} << (desde % 64));
    const auto ultima = static_cast<std::size_t>(hasta) / 64;
    while (bits == 0) {
      if (++w > ultima) return hasta + 1;
      bits = Palabra(w, otro);
    }
    const auto k = static_cast<long long>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
    return k <= hasta ? k : hasta + 1;
  }

  // The last member from `desde` down to `hasta` (desde >= hasta); -1 when none.
  long long Anterior(long long desde, long long hasta) const {
    if (desde < hasta || desde < 0) return -1;
    auto w = static_cast<std::size_t>(desde) / 64;
    const int tope = static_cast<int>(desde % 64);
    std::uint64_t bits = palabras_[w] & (tope == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (tope + 1)) - 1);
    const auto primera = static_cast<std::size_t>(hasta) / 64;
    while (bits == 0) {
      if (w-- == primera) return -1;
      bits = palabras_[w];
    }
    const auto k = static_cast<long long>(w * 64 + 63 - static_cast<std::size_t>(std::countl_zero(bits)));
    return k >= hasta ? k : -1;
  }

 private:
  std::uint64_t Palabra(std::size_t w, const Conjunto_Bits* otro) const {
    return otro ? palabras_[w] & otro->palabras_[w] : palabras_[w];
  }
  std::vector<std::uint64_t> palabras_;
};

}  // namespace Vyr_Trilat
