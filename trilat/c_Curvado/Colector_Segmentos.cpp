#include "trilat/c_Curvado/Colector_Segmentos.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vyr_Trilat {

namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();

// An edge's crossing parameter is rounded three times, so a level below the lower corner can still give t = 1
// exactly (and one just past an end, t = -0 on underflow). Either needs the level within a few units in the last
// place of the edge's rise; 2^-40 of the triangle's rise covers that with room to spare.
constexpr double kHolgura = 0x1p-40;

struct Rango {
  double bajo, alto;
};

// The triangle's elevation range widened by that margin; NaN when no edge of it can ever be cut.
Rango Rango_De(const std::vector<Pto3D>& puntos, const Esquinas& t) {
  const double a = puntos[static_cast<std::size_t>(t.T1)].Z;
  const double b = puntos[static_cast<std::size_t>(t.T2)].Z;
  const double c = puntos[static_cast<std::size_t>(t.T3)].Z;
  // An edge with an unknown end is never cut, so those corners do not widen the range.
  const double bajo = std::fmin(std::fmin(a, b), c), alto = std::fmax(std::fmax(a, b), c);
  const double holgura = (alto - bajo) * kHolgura;
  Rango r{bajo - holgura, alto + holgura};
  // Infinite rises make every level's parameter unpredictable: such a triangle is cut at every level.
  if (!std::isnan(bajo) && (!std::isfinite(r.bajo) || !std::isfinite(r.alto))) r = {-kInfinito, kInfinito};
  return r;
}

}  // namespace

Colector_Segmentos::Colector_Segmentos(const std::vector<Pto3D>& puntos, const std::vector<Esquinas>& triangulos,
                                       const std::vector<double>& niveles)
    : puntos_(puntos), triangulos_(triangulos), niveles_(niveles), primeros_(niveles.size() + 1, 0) {
  // Levels as a rising sequence (negating a falling one is exact), so that a range maps to a run of levels.
  const bool sube = niveles.size() < 2 || niveles.front() <= niveles.back();
  std::vector<double> subida(niveles);
  if (!sube)
    for (double& n : subida) n = -n;

  // File every triangle under its first level, in triangle order within each (a counting sort).
  std::vector<Triangulo_En_Mano> por_triangulo;
  std::vector<std::size_t> primero;
  for (std::size_t k = 0; k < triangulos.size(); ++k) {
    Rango r = Rango_De(puntos, triangulos[k]);
    if (std::isnan(r.bajo)) continue;
    if (!sube) r = {-r.alto, -r.bajo};
    const auto desde =
        static_cast<std::size_t>(std::lower_bound(subida.begin(), subida.end(), r.bajo) - subida.begin());
    const auto hasta =
        static_cast<std::size_t>(std::upper_bound(subida.begin(), subida.end(), r.alto) - subida.begin());
    if (desde >= hasta) continue;  // no level in its range (or no range at all)
    por_triangulo.push_back({static_cast<Long>(k), hasta - 1});
    primero.push_back(desde);
    ++primeros_[desde + 1];
  }
  for (std::size_t i = 1; i < primeros_.size(); ++i) primeros_[i] += primeros_[i - 1];
  archivo_.resize(por_triangulo.size());
  std::vector<std::size_t> siguiente(primeros_.begin(), primeros_.end() - 1);
  for (std::size_t j = 0; j < por_triangulo.size(); ++j) archivo_[siguiente[primero[j]]++] = por_triangulo[j];
}

void Colector_Segmentos::Segmentos(std::size_t i, std::vector<SEGS>& segs, std::vector<Lugares_Segmento>* lugares) {
  segs.clear();
  if (lugares) lugares->clear();
  const auto por_triangulo = [](const Triangulo_En_Mano& x, const Triangulo_En_Mano& y) { return x.k < y.k; };
  const std::size_t antes = en_mano_.size();
  en_mano_.insert(en_mano_.end(), archivo_.begin() + static_cast<std::ptrdiff_t>(primeros_[i]),
                  archivo_.begin() + static_cast<std::ptrdiff_t>(primeros_[i + 1]));
  std::inplace_merge(en_mano_.begin(), en_mano_.begin() + static_cast<std::ptrdiff_t>(antes), en_mano_.end(),
                     por_triangulo);
  std::erase_if(en_mano_, [i](const Triangulo_En_Mano& t) { return t.ultimo < i; });
  Lugares_Segmento donde;
  for (const Triangulo_En_Mano& t : en_mano_) {
    const auto s = Corta_Triangulo(puntos_, triangulos_[static_cast<std::size_t>(t.k)], niveles_[i], &donde);
    if (!s) continue;
    segs.push_back(*s);
    if (lugares) lugares->push_back(donde);
  }
}

}  // namespace Vyr_Trilat
