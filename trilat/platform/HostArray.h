// An array as the host owns it: explicit lower and upper bounds, possibly unallocated, re-dimensioned by the
// callee when the interface says so. Element access outside the bounds is run-time error 9, never a stray read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "trilat/platform/RuntimeError.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

template <typename T>
class HostArray {
 public:
  HostArray() = default;  // unallocated
  HostArray(Long lower, Long upper) { ReDim(lower, upper); }
  // Elements from index `lower` on, in order (convenient for hosts and tests).
  HostArray(Long lower, std::initializer_list<T> values) : lower_(lower), data_(values), allocated_(true) {}

  bool Allocated() const { return allocated_; }
  Long LBound() const {
    Comprueba_Asignado();
    return lower_;
  }
  Long UBound() const {
    Comprueba_Asignado();
    // A one-element array at the largest index would overflow adding its size first.
    return static_cast<Long>(static_cast<long long>(lower_) + static_cast<long long>(data_.size()) - 1);
  }
  Long Size() const { return allocated_ ? static_cast<Long>(data_.size()) : 0; }

  // New bounds, every element reset to its default value.
  void ReDim(Long lower, Long upper) {
    Comprueba_Limites(lower, upper);
    data_.assign(static_cast<std::size_t>(static_cast<long long>(upper) - lower + 1), T{});
    lower_ = lower;
    allocated_ = true;
  }

  // New upper bound keeping the elements that still fit; the lower bound may not change.
  void ReDim_Preserve(Long lower, Long upper) {
    if (allocated_ && lower != lower_) throw RuntimeError(Err::Subscript_Out_Of_Range);
    Comprueba_Limites(lower, upper);
    data_.resize(static_cast<std::size_t>(static_cast<long long>(upper) - lower + 1), T{});
    lower_ = lower;
    allocated_ = true;
  }

  void Erase() {
    data_.clear();
    data_.shrink_to_fit();
    lower_ = 0;
    allocated_ = false;
  }

  T& operator()(Long i) { return data_[Posicion(i)]; }
  const T& operator()(Long i) const { return data_[Posicion(i)]; }

  // Raw storage, for hosts that hand the array to other code in one piece.
  const std::vector<T>& Datos() const { return data_; }

 private:
  void Comprueba_Asignado() const {
    if (!allocated_) throw RuntimeError(Err::Subscript_Out_Of_Range);
  }
  static void Comprueba_Limites(Long lower, Long upper) {
    if (static_cast<long long>(upper) < static_cast<long long>(lower) - 1)
      throw RuntimeError(Err::Subscript_Out_Of_Range);
  }
  std::size_t Posicion(Long i) const {
    const long long k = static_cast<long long>(i) - lower_;
    if (!allocated_ || k < 0 || k >= static_cast<long long>(data_.size()))
      throw RuntimeError(Err::Subscript_Out_Of_Range);
    return static_cast<std::size_t>(k);
  }

  Long lower_ = 0;
  std::vector<T> data_;
  bool allocated_ = false;
};

}  // namespace Vyr_Trilat
