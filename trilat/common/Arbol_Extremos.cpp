#include "trilat/common/Arbol_Extremos.h"

#include <algorithm>
#include <limits>

namespace Vyr_Trilat {

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

void Arbol_Extremos::Hoja(std::size_t k, double v) {
  // A comparison with NaN is false either way: such a position is kept out of both searches.
  nodos_[hojas_ + k] = v == v ? Nodo{v, v} : Nodo{kInf, -kInf};
}

Arbol_Extremos::Arbol_Extremos(const std::vector<double>& valores) {
  Crece(valores.size());
  for (std::size_t k = 0; k < valores.size(); ++k) Hoja(k, valores[k]);
  for (std::size_t k = hojas_ - 1; k >= 1; --k) Sube(k);
}

void Arbol_Extremos::Crece(std::size_t n) {
  std::size_t hojas = 1;
  while (hojas < n) hojas *= 2;
  if (hojas == hojas_ && !nodos_.empty()) return;
  // An empty position holds +inf as its minimum and -inf as its maximum, so no search finds it.
  std::vector<Nodo> nodos(2 * hojas, Nodo{kInf, -kInf});
  if (!nodos_.empty())
    std::copy(nodos_.begin() + static_cast<std::ptrdiff_t>(hojas_), nodos_.end(),
              nodos.begin() + static_cast<std::ptrdiff_t>(hojas));
  nodos_ = std::move(nodos);
  hojas_ = hojas;
  for (std::size_t k = hojas_ - 1; k >= 1; --k) Sube(k);
}

bool Arbol_Extremos::Sube(std::size_t k) {
  const Nodo nuevo{std::min(nodos_[2 * k].minimo, nodos_[2 * k + 1].minimo),
                   std::max(nodos_[2 * k].maximo, nodos_[2 * k + 1].maximo)};
  // Extremes are never NaN, so equal values mean nothing above changes either.
  if (nuevo.minimo == nodos_[k].minimo && nuevo.maximo == nodos_[k].maximo) return false;
  nodos_[k] = nuevo;
  return true;
}

void Arbol_Extremos::Pon(Long k, double v) {
  const auto p = static_cast<std::size_t>(k);
  if (p >= hojas_) Crece(p + 1);
  Hoja(p, v);
  for (std::size_t n = (hojas_ + p) / 2; n >= 1 && Sube(n); n /= 2) {
  }
}

void Arbol_Extremos::Quita(Long k) {
  if (static_cast<std::size_t>(k) >= hojas_) return;
  Pon(k, std::numeric_limits<double>::quiet_NaN());
}

template <typename Cumple>
Long Arbol_Extremos::Primero(Long desde, Cumple cumple) const {
  if (desde < 0 || static_cast<std::size_t>(desde) >= hojas_) return -1;
  std::size_t k = hojas_ + static_cast<std::size_t>(desde);
  // Climb until a subtree to the right holds a match, then descend to its first one.
  while (!cumple(k)) {
    while (k & 1) k >>= 1;
    if (k == 0) return -1;
    ++k;
  }
  while (k < hojas_) {
    k *= 2;
    if (!cumple(k)) ++k;
  }
  return static_cast<Long>(k - hojas_);
}

Long Arbol_Extremos::Primero_Mayor(Long desde, double limite) const {
  return Primero(desde, [&](std::size_t k) { return nodos_[k].maximo > limite; });
}

Long Arbol_Extremos::Primero_No_Mayor(Long desde, double umbral) const {
  return Primero(desde, [&](std::size_t k) { return nodos_[k].minimo <= umbral; });
}

void Arbol_Extremos::Extremos(Long desde, Long hasta, double& minimo, double& maximo) const {
  minimo = kInf;
  maximo = -kInf;
  const auto tope = static_cast<Long>(hojas_);
  for (std::size_t a = hojas_ + static_cast<std::size_t>(std::min(desde, tope)),
                   b = hojas_ + static_cast<std::size_t>(std::min(hasta, tope));
       a < b; a /= 2, b /= 2) {
    if (a & 1) minimo = std::min(minimo, nodos_[a].minimo), maximo = std::max(maximo, nodos_[a].maximo), ++a;
    if (b & 1) --b, minimo = std::min(minimo, nodos_[b].minimo), maximo = std::max(maximo, nodos_[b].maximo);
  }
}

}  // namespace Vyr_Trilat
