#include "hosts/cli/Roturas_Ausentes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "trilat/common/Listas.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat::anfitrion {

namespace {

using Par = std::pair<std::int64_t, std::int64_t>;

Par Ordenado(std::int64_t a, std::int64_t b) { return a < b ? Par{a, b} : Par{b, a}; }

class Modelo {
 public:
  Modelo(const Levantamiento& lev, const std::vector<std::array<std::int64_t, 3>>& triangulos) : lev_(lev) {
    aristas_.reserve(6 * triangulos.size());
    for (const auto& t : triangulos)
      for (std::size_t k = 0; k < 3; ++k) {
        aristas_.emplace_back(t[k], t[(k + 1) % 3]);
        aristas_.emplace_back(t[(k + 1) % 3], t[k]);
      }
    std::sort(aristas_.begin(), aristas_.end());
    aristas_.erase(std::unique(aristas_.begin(), aristas_.end()), aristas_.end());
  }

  // The segment is an edge, or a run of edges through points on it; those points, in `por` when asked for.
  bool Contiene(std::int64_t a, std::int64_t b, std::vector<std::int64_t>* por = nullptr) const {
    const double dx = X(b) - X(a), dy = Y(b) - Y(a);
    const auto avance = [&](std::int64_t p) { return ((X(p) - X(a)) * dx + (Y(p) - Y(a)) * dy) / (dx * dx + dy * dy); };
    std::int64_t actual = a;
    double hecho = 0;
    if (por) por->clear();
    while (!std::binary_search(aristas_.begin(), aristas_.end(), Par{actual, b})) {
      // The nearest point on the segment, ahead along it, that the current one is joined to.
      std::int64_t siguiente = actual;
      double mejor = 1;
      const auto desde = std::lower_bound(aristas_.begin(), aristas_.end(), Par{actual, kMenor});
      const auto hasta = std::upper_bound(desde, aristas_.end(), Par{actual, kMayor});
      for (auto it = desde; it != hasta; ++it) {
        const std::int64_t v = it->second;
        const double t = avance(v);
        if (t > hecho && t < mejor && Sobre_Linea(v, a, b)) siguiente = v, mejor = t;
      }
      if (siguiente == actual) return false;
      actual = siguiente, hecho = mejor;
      if (por) por->push_back(actual);
    }
    return true;
  }

  // Segment r stands in the way of segment s, which crosses it: the model holds r, and not through a point that
  // lies on s as well (the two would meet there, each split at it).
  bool Estorba(const Par& r, const Par& s) const {
    std::vector<std::int64_t> por;
    return Contiene(r.first, r.second, &por) &&
           std::none_of(por.begin(), por.end(), [&](std::int64_t p) { return Sobre_Linea(p, s.first, s.second); });
  }

  Vert Punto(std::int64_t n) const { return {X(n), Y(n)}; }

  // The two segments cross at a point inside both; one that ends on the other (to within rounding) only meets it.
  bool Se_Cruzan(const Par& s, const Par& r) const {
    const auto lado = [&](const Par& l, std::int64_t c) {
      return Orientacion(X(l.first), Y(l.first), X(l.second), Y(l.second), X(c), Y(c));
    };
    return lado(s, r.first) * lado(s, r.second) < 0 && lado(r, s.first) * lado(r, s.second) < 0 &&
           !Sobre_Linea(r.first, s.first, s.second) && !Sobre_Linea(r.second, s.first, s.second) &&
           !Sobre_Linea(s.first, r.first, r.second) && !Sobre_Linea(s.second, r.first, r.second);
  }

 private:
  // Point p lies on the line through a and b to within the rounding of survey coordinates: a few units in the last
  // place of the largest of them.
  bool Sobre_Linea(std::int64_t p, std::int64_t a, std::int64_t b) const {
    const double dx = X(b) - X(a), dy = Y(b) - Y(a);
    const double escala = std::max({std::fabs(X(a)), std::fabs(Y(a)), std::fabs(X(b)), std::fabs(Y(b)), 1.0});
    const double fuera = std::fabs((X(p) - X(a)) * dy - (Y(p) - Y(a)) * dx) / std::sqrt(dx * dx + dy * dy);
    return fuera <= 64 * std::numeric_limits<double>::epsilon() * escala;
  }
  double X(std::int64_t n) const { return lev_.x[Indice(n)]; }
  double Y(std::int64_t n) const { return lev_.y[Indice(n)]; }
  std::size_t Indice(std::int64_t n) const { return static_cast<std::size_t>(lev_.posicion.at(n) - 1); }

  static constexpr std::int64_t kMenor = std::numeric_limits<std::int64_t>::min();
  static constexpr std::int64_t kMayor = std::numeric_limits<std::int64_t>::max();

  const Levantamiento& lev_;
  // Every edge both ways, sorted: the points each point is joined to are a run of it.
  std::vector<Par> aristas_;
};

// The breakline segments filed by the grid cells along them: a missing segment looks for one it crosses only among
// those that share a cell with it (a survey's strings hold many thousands of segments).
class Cruces {
 public:
  Cruces(const Modelo& m, const std::vector<Par>& segmentos) : m_(m), segmentos_(segmentos) {
    Caja dominio = Caja::De(m.Punto(segmentos[0].first), m.Punto(segmentos[0].first));
    for (const Par& s : segmentos) dominio = dominio.Con(Caja::De(m.Punto(s.first), m.Punto(s.second)));
    rejilla_ = Rejilla_Uniforme(dominio, static_cast<double>(segmentos.size()));
    celdas_.Llena(rejilla_.Total(), [&](auto&& pon) {
      for (std::size_t k = 0; k < segmentos.size(); ++k) Recorre(segmentos[k], [&](std::size_t c) { pon(c, k); });
    });
  }

  // The first segment, in the lines' order, that s crosses and that stands in its way; else the first it crosses;
  // and whether it stands in the way.
  std::pair<std::optional<Par>, bool> Primero(const Par& s) const {
    std::size_t primero = segmentos_.size(), estorba = segmentos_.size();
    Recorre(s, [&](std::size_t c) {
      for (const std::size_t k : celdas_[c]) {
        if (k >= estorba || !m_.Se_Cruzan(s, segmentos_[k])) continue;
        primero = std::min(primero, k);
        if (m_.Estorba(segmentos_[k], s)) estorba = k;
      }
    });
    if (estorba < segmentos_.size()) return {segmentos_[estorba], true};
    if (primero < segmentos_.size()) return {segmentos_[primero], false};
    return {std::nullopt, false};
  }

 private:
  // Two segments that cross both pass through the cell of their crossing.
  template <typename F>
  void Recorre(const Par& s, F&& visita) const {
    const Vert a = m_.Punto(s.first), b = m_.Punto(s.second);
    rejilla_.Recorre_Franja(a, b, 0, Caja::De(a, b), visita);
  }

  const Modelo& m_;
  const std::vector<Par>& segmentos_;
  Rejilla_Uniforme rejilla_;
  Listas<std::size_t> celdas_;
};

}  // namespace

std::vector<Segmento_Ausente> Roturas_Ausentes(const std::vector<std::vector<std::int64_t>>& lineas,
                                               const Levantamiento& lev,
                                               const std::vector<std::array<std::int64_t, 3>>& triangulos) {
  const Modelo modelo(lev, triangulos);
  std::vector<Par> segmentos;
  for (const auto& l : lineas)
    for (std::size_t k = 1; k < l.size(); ++k)
      if (l[k - 1] != l[k]) segmentos.emplace_back(l[k - 1], l[k]);
  std::vector<Segmento_Ausente> ausentes;
  std::set<Par> vistos;
  std::optional<Cruces> cruces;  // filed when a first segment is missing
  for (const Par& s : segmentos) {
    if (!vistos.insert(Ordenado(s.first, s.second)).second || modelo.Contiene(s.first, s.second)) continue;
    if (!cruces) cruces.emplace(modelo, segmentos);
    const auto [cruza, estorba] = cruces->Primero(s);
    ausentes.push_back({s.first, s.second, cruza, estorba});
  }
  return ausentes;
}

}  // namespace Vyr_Trilat::anfitrion
