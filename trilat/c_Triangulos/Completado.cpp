#include "trilat/c_Triangulos/Completado.h"

#include <algorithm>
#include <cmath>

#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Rejilla_Uniforme.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat {

namespace {

// Kept triangles by the grid cells their bounding boxes cover, for overlap and containment queries.
class Rejilla_Triangulos {
 public:
  Rejilla_Triangulos(const std::vector<Vert>& p, std::size_t previstos) : p_(p) {
    Caja dominio{p[0].X, p[0].Y, p[0].X, p[0].Y};
    for (const auto& v : p) dominio = dominio.Con(Caja::De(v, v));
    rejilla_ = Rejilla_Uniforme(dominio, static_cast<double>(previstos));
    celdas_.resize(rejilla_.Total());
  }

  void Agrega(const std::array<Long, 3>& t, std::size_t id) {
    rejilla_.Recorre_Caja(Caja_De(t), [&](std::size_t c) { celdas_[c].push_back(id); });
  }

  // Calls f(id) once for each kept triangle whose box shares a cell with the box of t, until one answers true.
  template <typename F>
  bool Alguno(const std::array<Long, 3>& t, F&& f) {
    ++sello_;
    bool hallado = false;
    rejilla_.Recorre_Caja(Caja_De(t), [&](std::size_t c) {
      for (std::size_t id : celdas_[c]) {
        if (hallado) return;
        if (visto_.size() <= id) visto_.resize(id + 1, 0);
        if (visto_[id] == sello_) continue;
        visto_[id] = sello_;
        if (f(id)) hallado = true;
      }
    });
    return hallado;
  }

 private:
  Caja Caja_De(const std::array<Long, 3>& t) const {
    const Vert& a = p_[static_cast<std::size_t>(t[0])];
    return Caja::De(a, a).Con(Caja::De(p_[static_cast<std::size_t>(t[1])], p_[static_cast<std::size_t>(t[2])]));
  }

  const std::vector<Vert>& p_;
  Rejilla_Uniforme rejilla_;
  std::vector<std::vector<std::size_t>> celdas_;
  std::vector<std::uint32_t> visto_;
  std::uint32_t sello_ = 0;
};

std::array<Long, 3> Ascendente(Long a, Long b, Long c) {
  std::array<Long, 3> v{a, b, c};
  std::sort(v.begin(), v.end());
  return v;
}

double Radio(const Vert& a, const Vert& b, const Vert& c) {
  const double ab = std::hypot(b.X - a.X, b.Y - a.Y), bc = std::hypot(c.X - b.X, c.Y - b.Y);
  const double ca = std::hypot(a.X - c.X, a.Y - c.Y);
  const double doble_area = std::fabs((b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X));
  return doble_area == 0 ? INFINITY : ab * bc * ca / (2 * doble_area);
}

}  // namespace

Modelo Completa(Estado_Triangulos& s) {
  const auto n = static_cast<std::size_t>(s.nPuntos);
  const std::vector<Vert>& p = s.Puntos_Anfitrion;
  const auto plano = [&](const std::array<Long, 3>& t) {
    return En_Sentido_Antihorario(p[static_cast<std::size_t>(t[0])], p[static_cast<std::size_t>(t[1])],
                                  p[static_cast<std::size_t>(t[2])]);
  };

  Modelo m;
  // About two cells per triangle the sweep formed: the grid holds only those, and is looked up for every triangle
  // of the completion.
  Rejilla_Triangulos rejilla(p, 2 * static_cast<std::size_t>(std::max<Long>(s.count, 8)));
  const auto& T = s.Triangs;
  for (std::size_t t = 0; t < static_cast<std::size_t>(s.count); ++t) {
    if (Es_Verdadero(T.Excluido[t])) continue;
    const std::array<Long, 3> v{T.V1[t], T.V2[t], T.V3[t]};
    const auto& a = p[static_cast<std::size_t>(v[0])];
    const auto& b = p[static_cast<std::size_t>(v[1])];
    const auto& c = p[static_cast<std::size_t>(v[2])];
    if (Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y) == 0) continue;
    const auto tv = plano(v);
    // Boxes that at most touch settle most pairs without orienting the kept triangle.
    if (rejilla.Alguno(v, [&](std::size_t id) {
          const auto& k = m.triangulos[id];
          const Triangulo_Plano esquinas{p[static_cast<std::size_t>(k[0])], p[static_cast<std::size_t>(k[1])],
                                         p[static_cast<std::size_t>(k[2])]};
          return !Cajas_Apartadas(esquinas, tv) && Interiores_Se_Solapan(plano(k), tv);
        }))
      continue;
    rejilla.Agrega(v, m.triangulos.size());
    m.triangulos.push_back(v);
  }
  m.del_barrido = m.triangulos.size();

  Triangulacion_Delaunay& cdt = Delaunay_Anfitrion(s);
  std::vector<std::pair<Long, Long>> aristas;
  aristas.reserve(3 * m.del_barrido);
  for (const auto& t : m.triangulos) aristas.insert(aristas.end(), {{t[0], t[1]}, {t[0], t[2]}, {t[1], t[2]}});
  std::sort(aristas.begin(), aristas.end());
  aristas.erase(std::unique(aristas.begin(), aristas.end()), aristas.end());
  for (const auto& [a, b] : aristas) cdt.Inserta_Restriccion(a, b);

  std::vector<std::array<Long, 3>> agregados;
  for (const auto& t : cdt.Triangulos()) {
    const auto v = Ascendente(t[0], t[1], t[2]);
    const Vert& a = p[static_cast<std::size_t>(v[0])];
    const Vert& b = p[static_cast<std::size_t>(v[1])];
    const Vert& c = p[static_cast<std::size_t>(v[2])];
    if (Lados_Largos({a.X, a.Y, 0, 0}, {b.X, b.Y, 0, 0}, {c.X, c.Y, 0, 0}, s.Dist_Max)) continue;
    if (!(Radio(a, b, c) < kRadio_Maximo)) continue;
    const bool cubierto = rejilla.Alguno(v, [&](std::size_t id) {
      const auto k = plano(m.triangulos[id]);
      return En_Triangulo_Cerrado(k, p[static_cast<std::size_t>(v[0])]) &&
             En_Triangulo_Cerrado(k, p[static_cast<std::size_t>(v[1])]) &&
             En_Triangulo_Cerrado(k, p[static_cast<std::size_t>(v[2])]);
    });
    if (!cubierto) agregados.push_back(v);
  }
  // By V3 (a position, so counted into place), then by V2 and V1 within each V3.
  std::vector<std::size_t> inicio(n + 1, 0);
  for (const auto& v : agregados) ++inicio[static_cast<std::size_t>(v[2]) + 1];
  for (std::size_t k = 1; k <= n; ++k) inicio[k] += inicio[k - 1];
  const std::size_t base = m.triangulos.size();
  m.triangulos.resize(base + agregados.size());
  std::vector<std::size_t> lleno(inicio.begin(), inicio.end() - 1);
  for (const auto& v : agregados) m.triangulos[base + lleno[static_cast<std::size_t>(v[2])]++] = v;
  for (std::size_t k = 0; k < n; ++k)
    std::sort(m.triangulos.begin() + static_cast<std::ptrdiff_t>(base + inicio[k]),
              m.triangulos.begin() + static_cast<std::ptrdiff_t>(base + inicio[k + 1]),
              [](const auto& u, const auto& w) { return std::tie(u[1], u[0]) < std::tie(w[1], w[0]); });
  return m;
}

}  // namespace Vyr_Trilat
