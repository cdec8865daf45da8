#include "trilat/c_Triangulos/Completado.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Conjunto_Bits.h"
#include "trilat/common/Listas.h"
#include "trilat/common/Por_Tramos.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/common/Triangulos_Por_Celdas.h"

namespace Vyr_Trilat {

namespace {

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

// The circumradius is below the limit: settled on squares where they leave no doubt (the root's rounding is far
// smaller than the margin), and otherwise measured as always.
bool Radio_Admitido(const Vert& a, const Vert& b, const Vert& c) {
  const double ab = (b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y);
  const double bc = (c.X - b.X) * (c.X - b.X) + (c.Y - b.Y) * (c.Y - b.Y);
  const double ca = (a.X - c.X) * (a.X - c.X) + (a.Y - c.Y) * (a.Y - c.Y);
  const double doble_area = std::fabs((b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X));
  const double cociente = ab * bc * ca / (4 * doble_area * doble_area);
  const double limite = kRadio_Maximo * kRadio_Maximo;
  if (std::min({ab, bc, ca}) > 1e-290 && ab * bc * ca > 1e-250 && doble_area > 1e-120 && std::isfinite(cociente)) {
    if (cociente < limite * (1 - 1e-9)) return true;
    if (cociente > limite * (1 + 1e-9)) return false;
  }
  return Radio(a, b, c) < kRadio_Maximo;
}

enum class Terreno : std::uint8_t { Abierto, Lleno, Astilla, Vista };

// The radius limit keeps the wide circles of the convex hull's slivers out of the model. A run of slivers with the
// model all round it is a hole inside the survey (between long triangles of the sweep that are not Delaunay): it is
// filled, so the surface and the contours run on across it.
std::vector<std::array<Long, 3>> Astillas_Encerradas(const Triangulacion_Delaunay& cdt, std::vector<Terreno>& terreno,
                                                     const std::vector<std::vector<int>>& astillas) {
  std::vector<std::array<Long, 3>> rellenas;
  std::vector<int> grupo, pendientes;
  for (const auto& parte : astillas)
    for (const int inicio : parte) {
      if (terreno[static_cast<std::size_t>(inicio)] != Terreno::Astilla) continue;
      grupo.clear();
      pendientes.assign(1, inicio);
      terreno[static_cast<std::size_t>(inicio)] = Terreno::Vista;
      bool encerrado = true;
      while (!pendientes.empty()) {
        const int t = pendientes.back();
        pendientes.pop_back();
        grupo.push_back(t);
        for (int k = 0; k < 3; ++k) {
          const int u = cdt.Vecina(t, k);
          const Terreno junto = u < 0 ? Terreno::Abierto : terreno[static_cast<std::size_t>(u)];
          if (junto == Terreno::Abierto) encerrado = false;
          if (junto != Terreno::Astilla) continue;
          terreno[static_cast<std::size_t>(u)] = Terreno::Vista;
          pendientes.push_back(u);
        }
      }
      if (!encerrado) continue;
      for (const int t : grupo)
        cdt.Para_Cada_Triangulo(static_cast<std::size_t>(t), static_cast<std::size_t>(t) + 1,
                                [&](int, int a, int b, int c) { rellenas.push_back(Ascendente(a, b, c)); });
    }
  return rellenas;
}

}  // namespace

Modelo Completa(Estado_Triangulos& s, std::size_t casillas_por_hilo) {
  const auto n = static_cast<std::size_t>(s.nPuntos);
  const std::vector<Vert>& p = s.Puntos_Anfitrion;
  const auto plano = [&](const std::array<Long, 3>& t) {
    const Triangulo_Plano e = Esquinas_De_Triangulo(p, t);
    return En_Sentido_Antihorario(e[0], e[1], e[2]);
  };
  const auto orientacion = [&](const std::array<Long, 3>& t) {
    const auto& a = p[static_cast<std::size_t>(t[0])];
    const auto& b = p[static_cast<std::size_t>(t[1])];
    const auto& c = p[static_cast<std::size_t>(t[2])];
    return Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y);
  };

  Modelo m;
  m.triangulos.reserve(static_cast<std::size_t>(s.count));
  // Two distinct triangles of the Delaunay triangulation never overlap: a pair of them needs no test. So only the
  // kept triangles that are not one of them (often none) are filed for the overlap tests; such a triangle finds
  // the kept ones of the triangulation that it could overlap among those that meet it there.
  Triangulacion_Delaunay& cdt = Delaunay_Anfitrion(s);
  const auto& T = s.Triangs;
  // The slot of each of the sweep's triangles that is one of the triangulation's own. Such a triangle, once kept,
  // stays one of it through the forcing of sides (no kept side crosses it, and its empty circle keeps its sides
  // from being flipped), in the same slot: a bit per slot says which are kept.
  // Looked up over stretches of them at once (the triangulation is only read).
  std::vector<int> casilla(static_cast<std::size_t>(s.count), -1);
  Por_Tramos(casilla.size(), Tramos(casilla.size(), casillas_por_hilo),
             [&](std::size_t, std::size_t desde, std::size_t hasta) {
               for (std::size_t t = desde; t < hasta; ++t)
                 if (!Es_Verdadero(T.Excluido[t])) casilla[t] = cdt.Triangulo(T.V1[t], T.V2[t], T.V3[t]);
             });
  const std::size_t ajenos_previstos = 8 + static_cast<std::size_t>(std::count(casilla.begin(), casilla.end(), -1));
  // Kept ones, and those that overlap a kept triangle that is not one of them (found from that one's side).
  Conjunto_Bits tomada(cdt.Casillas(), false), solapada(cdt.Casillas(), false);
  // The kept triangles that are not (ajenos).
  std::vector<std::size_t> ajenos_ids;
  std::optional<Triangulos_Por_Celdas> ajenos;
  std::vector<int> solapados;
  for (std::size_t t = 0; t < static_cast<std::size_t>(s.count); ++t) {
    if (Es_Verdadero(T.Excluido[t])) continue;
    const std::array<Long, 3> v{T.V1[t], T.V2[t], T.V3[t]};
    const int propia = casilla[t];
    // One of the triangulation's own has area, and is kept unless it was already (the same triangle twice) or a
    // kept triangle that is not one of them overlaps it (that one marked it so). Any other that was kept before
    // overlaps it wholly: the overlap tests below find that.
    if (propia >= 0) {
      const auto k = static_cast<std::size_t>(propia);
      if (tomada.Tiene(k) || solapada.Tiene(k)) continue;
      tomada.Pon(k, true);
      m.triangulos.push_back(v);
      continue;
    }
    if (orientacion(v) == 0) continue;
    if (ajenos) {
      const auto tv = plano(v);
      const auto solapa = [&](std::size_t id) { return Se_Solapan(Esquinas_De_Triangulo(p, m.triangulos[id]), tv); };
      if (ajenos->Alguno(v, solapa)) continue;
    }
    cdt.Triangulos_Que_Solapan(v[0], v[1], v[2], solapados);
    if (std::any_of(solapados.begin(), solapados.end(),
                    [&](int k) { return tomada.Tiene(static_cast<std::size_t>(k)); }))
      continue;
    for (const int k : solapados) solapada.Pon(static_cast<std::size_t>(k), true);
    if (!ajenos) ajenos.emplace(p, 2 * ajenos_previstos);
    ajenos->Agrega(v, m.triangulos.size());
    ajenos_ids.push_back(m.triangulos.size());
    m.triangulos.push_back(v);
  }
  m.del_barrido = m.triangulos.size();
  // The sides of the kept triangles of the triangulation are its edges already. The others' sides are forced in
  // once each, in ascending order of their ends: by first end (a position, so counted into place), then by the
  // second within each.
  const auto casillas = static_cast<long long>(cdt.Casillas());
  for (long long k = tomada.Siguiente(0, casillas - 1); k < casillas; k = tomada.Siguiente(k + 1, casillas - 1))
    cdt.Restringe_Triangulo(static_cast<int>(k));
  Listas<Long> otro_extremo;
  otro_extremo.Llena(n, [&](auto&& pon) {
    for (const std::size_t id : ajenos_ids) {
      const auto& t = m.triangulos[id];
      pon(static_cast<std::size_t>(t[0]), t[1]);
      pon(static_cast<std::size_t>(t[0]), t[2]);
      pon(static_cast<std::size_t>(t[1]), t[2]);
    }
  });
  for (std::size_t a = 0; a < n; ++a) {
    const auto lista = otro_extremo[a];
    std::sort(lista.begin(), lista.end());
    const auto unicos = std::unique(lista.begin(), lista.end());
    cdt.Restringe_Desde(static_cast<int>(a), std::span<const int>(lista.begin(), unicos));
  }

  // The triangles within the limits that are not kept ones are looked for over stretches of the slots at once (the
  // triangulation and the kept triangles are only read). Each slot is marked filled, open ground, or a sliver: short
  // sides but too wide a circle.
  const Mas_Lejos_Que largo(s.Dist_Max);
  std::vector<Terreno> terreno(cdt.Casillas(), Terreno::Abierto);
  std::vector<std::vector<std::array<Long, 3>>> cortos(Tramos(cdt.Casillas(), casillas_por_hilo));
  std::vector<std::vector<int>> astillas(cortos.size());
  Por_Tramos(cdt.Casillas(), cortos.size(), [&](std::size_t parte, std::size_t desde, std::size_t hasta) {
    cdt.Para_Cada_Triangulo(desde, hasta, [&](int lugar, int t0, int t1, int t2) {
      auto& marca = terreno[static_cast<std::size_t>(lugar)];
      // A kept triangle of the triangulation holds its own corners (the others are found covered below).
      if (tomada.Tiene(static_cast<std::size_t>(lugar))) {
        marca = Terreno::Lleno;
        return;
      }
      const auto v = Ascendente(t0, t1, t2);
      const Vert& a = p[static_cast<std::size_t>(v[0])];
      const Vert& b = p[static_cast<std::size_t>(v[1])];
      const Vert& c = p[static_cast<std::size_t>(v[2])];
      // Within a kept triangle every side is short: a long one is open ground.
      if (Lados_Largos({a.X, a.Y, 0, 0}, {b.X, b.Y, 0, 0}, {c.X, c.Y, 0, 0}, largo)) return;
      // A kept triangle of the Delaunay triangulation is one of the constrained triangulation's own (it is empty
      // and its sides are constraints): no other triangle of it lies within one.
      const Caja caja = Caja_De_Triangulo(p, v);
      const bool cubierto = ajenos && ajenos->Alguno_En(caja, [&](std::size_t id) {
        // A triangle holds the other's corners only if its box holds the other's box.
        const Caja otra = Caja_De_Triangulo(p, m.triangulos[id]);
        if (!otra.Contiene(caja)) return false;
        const auto k = plano(m.triangulos[id]);
        return En_Triangulo_Cerrado(k, a) && En_Triangulo_Cerrado(k, b) && En_Triangulo_Cerrado(k, c);
      });
      if (cubierto) {
        marca = Terreno::Lleno;
      } else if (Radio_Admitido(a, b, c)) {
        marca = Terreno::Lleno;
        cortos[parte].push_back(v);
      } else {
        marca = Terreno::Astilla;
        astillas[parte].push_back(lugar);
      }
    });
  });
  cortos.push_back(Astillas_Encerradas(cdt, terreno, astillas));
  // By V3 (a position, so counted into place), then by V2 and V1 within each V3.
  Listas<std::array<Long, 3>> por_v3;
  por_v3.Llena(n, [&](auto&& pon) {
    for (const auto& parte : cortos)
      for (const auto& v : parte) pon(static_cast<std::size_t>(v[2]), v);
  });
  for (std::size_t k = 0; k < n; ++k) {
    const auto lista = por_v3[k];
    std::sort(lista.begin(), lista.end(),
              [](const auto& u, const auto& w) { return std::tie(u[1], u[0]) < std::tie(w[1], w[0]); });
  }
  m.triangulos.insert(m.triangulos.end(), por_v3.elementos.begin(), por_v3.elementos.end());
  return m;
}

}  // namespace Vyr_Trilat
