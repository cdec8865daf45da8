#include "trilat/common/Expansion.h"

namespace Vyr_Trilat::expansion {

void Suma(Expansion& e, double b) {
  double q = b;
  std::size_t k = 0;
  for (double c : e) {
    double s = 0, err = 0;
    Two_Sum(q, c, s, err);
    q = s;
    if (err != 0) e[k++] = err;
  }
  e.resize(k);
  if (q != 0 || e.empty()) e.push_back(q);
}

int Signo(const Expansion& e) {
  // Components do not overlap, so the largest non-zero one decides.
  for (auto it = e.rbegin(); it != e.rend(); ++it)
    if (*it != 0) return *it > 0 ? 1 : -1;
  return 0;
}

}  // namespace Vyr_Trilat::expansion
