// The guard of the breakline forcing against every set of triangles that could stand in for the triangles a segment
// crosses: on small integer point sets, all sets of as many triangles are tried, and a set is accepted exactly when
// it covers the crossed region once over, decided another way (no two of its triangles overlap and its edges of one
// triangle are the region's outline), and holds the segment.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "trilat/c_Rotura/Valida_Retriangulacion.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat::prueba {
namespace {

using Aristas = std::map<std::pair<Long, Long>, int>;  // edge (lower, higher) and how many triangles use it

Terna Ordenada(Terna t) {
  std::sort(t.begin(), t.end());
  return t;
}

Aristas Usos(const std::vector<Terna>& tris) {
  Aristas usos;
  for (const Terna& t : tris)
    for (int k = 0; k < 3; ++k) ++usos[std::minmax(t[static_cast<std::size_t>(k)], t[(k + 1) % 3u])];
  return usos;
}

std::set<std::pair<Long, Long>> Contorno(const std::vector<Terna>& tris) {
  std::set<std::pair<Long, Long>> contorno;
  for (const auto& [arista, veces] : Usos(tris))
    if (veces == 1) contorno.insert(arista);
  return contorno;
}

// The triangles of the Delaunay triangulation, numbered from 1 as the forcing numbers points.
std::set<Terna> Ternas(const Triangulacion_Delaunay& t) {
  std::set<Terna> ternas;
  for (const auto& v : t.Triangulos()) ternas.insert(Ordenada({v[0] + 1, v[1] + 1, v[2] + 1}));
  return ternas;
}

TEST(Valida_Retriangulacion, AceptaJustoLasQueCubrenLaRegionUnaVez) {
  std::mt19937_64 rng(17);
  std::uniform_int_distribution<int> coord(0, 5);
  long aceptadas = 0, rechazadas = 0, regiones = 0;
  for (int caso = 0; caso < 400 && regiones < 60; ++caso) {
    const int n = 5 + caso % 3;
    std::vector<double> x, y;
    std::set<std::pair<int, int>> vistos;
    while (static_cast<int>(x.size()) < n) {
      const int px = coord(rng), py = coord(rng);
      if (vistos.insert({px, py}).second) x.push_back(px), y.push_back(py);
    }
    Triangulacion_Delaunay delaunay(x, y), restringida(x, y);
    if (!delaunay.Tiene_Triangulos()) continue;
    const int a = static_cast<int>(rng() % n), b = static_cast<int>(rng() % n);
    if (a == b || delaunay.Existe_Arista(a, b)) continue;
    const auto piezas = restringida.Inserta_Restriccion(a, b);
    if (!piezas || piezas->size() != 1) continue;  // through another point: forced as two segments
    ++regiones;
    const std::set<Terna> antes = Ternas(delaunay), despues = Ternas(restringida);
    std::vector<Terna> viejos;
    std::set_difference(antes.begin(), antes.end(), despues.begin(), despues.end(), std::back_inserter(viejos));
    HostArray<Vert> Coord(1, n);
    for (int i = 0; i < n; ++i) Coord(i + 1) = {x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)]};
    const auto contorno = Contorno(viejos);
    const std::pair<Long, Long> segmento = std::minmax<Long>(a + 1, b + 1);

    // Every triangle with area on the points, tried in every set of as many as the old ones.
    std::vector<Terna> todos;
    for (Long i = 1; i <= n; ++i)
      for (Long j = i + 1; j <= n; ++j)
        for (Long k = j + 1; k <= n; ++k)
          if (Orientacion(Coord(i).X, Coord(i).Y, Coord(j).X, Coord(j).Y, Coord(k).X, Coord(k).Y) != 0)
            todos.push_back({i, j, k});
    std::vector<Triangulo_Plano> planos;
    for (const Terna& t : todos) planos.push_back(En_Sentido_Antihorario(Coord(t[0]), Coord(t[1]), Coord(t[2])));
    std::vector<bool> eleccion(todos.size(), false);
    std::fill(eleccion.end() - static_cast<std::ptrdiff_t>(viejos.size()), eleccion.end(), true);
    do {
      std::vector<Terna> nuevos;
      std::vector<std::size_t> cuales;
      for (std::size_t t = 0; t < todos.size(); ++t)
        if (eleccion[t]) nuevos.push_back(todos[t]), cuales.push_back(t);
      bool solapan = false;
      for (std::size_t i = 0; i < cuales.size() && !solapan; ++i)
        for (std::size_t j = i + 1; j < cuales.size() && !solapan; ++j)
          solapan = Interiores_Se_Solapan(planos[cuales[i]], planos[cuales[j]]);
      // The region's inner edges all cross the segment, so keeping the outline keeps every edge it does not cross.
      const bool cubre = !solapan && Contorno(nuevos) == contorno && Usos(nuevos).count(segmento) == 1;
      const bool aceptada = Es_Retriangulacion(Coord, viejos, nuevos, a + 1, b + 1);
      ASSERT_EQ(aceptada, cubre) << "case " << caso << ", triangle " << nuevos[0][0] << nuevos[0][1] << nuevos[0][2];
      (aceptada ? aceptadas : rechazadas) += 1;
    } while (std::next_permutation(eleccion.begin(), eleccion.end()));
  }
  EXPECT_GE(regiones, 60);
  EXPECT_GE(aceptadas, regiones);  // at least the constrained triangulation's own
  EXPECT_GT(rechazadas, 100 * aceptadas);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
