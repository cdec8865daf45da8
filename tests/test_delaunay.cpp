// The Delaunay and constrained Delaunay triangulation on generated point sets of every awkward kind and on point
// sets that broke other triangulators: always a valid triangulation of the whole convex hull, Delaunay except
// across constraints, every constraint present as edges, duplicates mapped to their first point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "tests/support/Circulo_Entero.h"
#include "tests/support/Generadores.h"
#include "tests/support/Verificador.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat::prueba {
namespace {

using Arista = Triangulacion_Delaunay::Arista;

struct Puntos {
  std::vector<double> x, y;
  void Pon(double a, double b) {
    x.push_back(a);
    y.push_back(b);
  }
};

int Orienta(const Puntos& p, int a, int b, int c) {
  return Orientacion(p.x[a], p.y[a], p.x[b], p.y[b], p.x[c], p.y[c]);
}

// Distinct points on the convex hull's boundary, those inside its edges included (monotone chain that keeps
// collinear points); 0 when the points are fewer than three or all on one line.
std::size_t Puntos_En_Casco(const Puntos& p, const std::vector<int>& distintos) {
  std::vector<int> v = distintos;
  std::sort(v.begin(), v.end(), [&](int a, int b) { return p.x[a] != p.x[b] ? p.x[a] < p.x[b] : p.y[a] < p.y[b]; });
  const auto cadena = [&](auto inicio, auto fin) {
    std::vector<int> h;
    for (auto it = inicio; it != fin; ++it) {
      while (h.size() >= 2 && Orienta(p, h[h.size() - 2], h.back(), *it) < 0) h.pop_back();
      h.push_back(*it);
    }
    return h;
  };
  const auto inferior = cadena(v.begin(), v.end());
  const auto superior = cadena(v.rbegin(), v.rend());
  if (inferior.size() == v.size() && superior.size() == v.size()) return 0;  // all on one line
  return inferior.size() + superior.size() - 2;
}

// Everything a triangulation must be. `restringidas` lists the constrained pieces inserted so far.
void Comprueba(const Triangulacion_Delaunay& T, const Puntos& p,
               const std::set<std::pair<int, int>>& restringidas = {}) {
  const int n = static_cast<int>(p.x.size());
  std::map<std::pair<double, double>, int> primero;
  std::vector<int> distintos;
  for (int i = 0; i < n; ++i) {
    const auto [it, nuevo] = primero.emplace(std::pair(p.x[i], p.y[i]), i);
    ASSERT_EQ(T.Representante(i), it->second) << "point " << i;
    if (nuevo) distintos.push_back(i);
  }
  const auto tris = T.Triangulos();
  ASSERT_EQ(tris.size(), T.Numero_Triangulos());
  const std::size_t h = Puntos_En_Casco(p, distintos);
  if (h == 0) {
    EXPECT_FALSE(T.Tiene_Triangulos());
    EXPECT_TRUE(tris.empty());
    return;
  }
  ASSERT_TRUE(T.Tiene_Triangulos());
  // Euler's formula: with every distinct point a corner and no overlap, this count means the hull is covered.
  ASSERT_EQ(tris.size(), 2 * distintos.size() - 2 - h);

  // Directed edges sorted, each with its triangle's third corner: the twin of a-b is b-a.
  struct Lado {
    int a, b, opuesto;
    bool operator<(const Lado& o) const { return a != o.a ? a < o.a : b < o.b; }
  };
  std::vector<Lado> lados;
  std::vector<Tri> uno;
  std::vector<int> esquinas;
  for (std::size_t t = 0; t < tris.size(); ++t) {
    const auto& c = tris[t];
    ASSERT_GT(Orienta(p, c[0], c[1], c[2]), 0) << "triangle " << t << " not counter-clockwise";
    uno.push_back({c[0] + 1, c[1] + 1, c[2] + 1});
    for (int i = 0; i < 3; ++i) {
      ASSERT_EQ(T.Representante(c[i]), c[i]);
      esquinas.push_back(c[i]);
      lados.push_back({c[i], c[(i + 1) % 3], c[(i + 2) % 3]});
    }
  }
  const auto problemas = Verifica(p.x, p.y, uno);
  ASSERT_TRUE(problemas.empty()) << problemas.front();
  std::sort(esquinas.begin(), esquinas.end());
  ASSERT_EQ(std::unique(esquinas.begin(), esquinas.end()) - esquinas.begin(),
            static_cast<std::ptrdiff_t>(distintos.size()));
  std::sort(lados.begin(), lados.end());
  ASSERT_TRUE(std::adjacent_find(lados.begin(), lados.end(),
                                 [](const Lado& s, const Lado& t) { return !(s < t) && !(t < s); }) == lados.end());

  std::size_t en_casco = 0;
  for (const Lado& l : lados) {
    ASSERT_TRUE(T.Existe_Arista(l.b, l.a));
    const bool restringida = restringidas.count({std::min(l.a, l.b), std::max(l.a, l.b)}) > 0;
    ASSERT_EQ(T.Es_Restringida(l.a, l.b), restringida) << l.a << "-" << l.b;
    const auto gemela = std::lower_bound(lados.begin(), lados.end(), Lado{l.b, l.a, 0});
    if (gemela == lados.end() || gemela->a != l.b || gemela->b != l.a) {
      ++en_casco;
      continue;
    }
    // Locally Delaunay across every unconstrained edge; with every edge so, the whole is (constrained) Delaunay.
    if (restringida) continue;
    const int a = l.a, b = l.b, c = l.opuesto, d = gemela->opuesto;
    ASSERT_LE(Incirculo(p.x[a], p.y[a], p.x[b], p.y[b], p.x[c], p.y[c], p.x[d], p.y[d]), 0)
        << "edge " << a << "-" << b << " not Delaunay";
  }
  EXPECT_EQ(en_casco, h);
  // Each point's neighbours in turning order: every consecutive pair a triangle with it, all round for an inner
  // point, from one hull neighbour to the other for a point on the hull.
  std::vector<int> vecinos;
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(T.Vecinos(i, vecinos), T.Representante(i) == i) << "point " << i;
    if (T.Representante(i) != i) continue;
    const auto desde = std::lower_bound(lados.begin(), lados.end(), Lado{i, std::numeric_limits<int>::min(), 0});
    const auto salientes = std::find_if(desde, lados.end(), [&](const Lado& l) { return l.a != i; }) - desde;
    const auto triangulo = [&](std::size_t k) {
      const int u = vecinos[k], w = vecinos[(k + 1) % vecinos.size()];
      const auto l = std::lower_bound(lados.begin(), lados.end(), Lado{u, w, 0});
      return l != lados.end() && l->a == u && l->b == w && l->opuesto == i;
    };
    ASSERT_GE(vecinos.size(), 2u);
    for (std::size_t k = 0; k + 1 < vecinos.size(); ++k) ASSERT_TRUE(triangulo(k)) << "point " << i;
    // Round a hull point the pair that closes the list is its outside.
    const bool en_borde = !triangulo(vecinos.size() - 1);
    ASSERT_EQ(vecinos.size(), static_cast<std::size_t>(salientes) + (en_borde ? 1 : 0)) << "point " << i;
  }
  for (const auto& [u, w] : restringidas) ASSERT_TRUE(T.Existe_Arista(u, w)) << u << "-" << w;
  // Pairs of points far apart in input order: an edge exactly when the triangles have it.
  for (int i = 0; i < n; i += 1 + n / 50)
    for (int j = n - 1; j >= 0; j -= 1 + n / 50) {
      const int a = T.Representante(i), b = T.Representante(j);
      const auto l = std::lower_bound(lados.begin(), lados.end(), Lado{a, b, 0});
      const bool arista =
          (l != lados.end() && l->a == a && l->b == b) || std::binary_search(lados.begin(), lados.end(), Lado{b, a, 0});
      ASSERT_EQ(T.Existe_Arista(i, j), arista) << i << "-" << j;
    }

  // The triangles that meet one of any three points: exactly those whose interiors share a point with it.
  std::mt19937_64 rng(static_cast<std::uint64_t>(n));
  std::vector<int> casillas_solapan;
  std::vector<std::array<int, 3>> solapan, por_casilla(T.Casillas());
  T.Para_Cada_Triangulo([&](int k, int a, int b, int c) { por_casilla[static_cast<std::size_t>(k)] = {a, b, c}; });
  const auto plano = [&](int a, int b, int c) {
    return En_Sentido_Antihorario({p.x[a], p.y[a]}, {p.x[b], p.y[b]}, {p.x[c], p.y[c]});
  };
  for (int k = 0; k < 20; ++k) {
    const int a = static_cast<int>(rng() % static_cast<std::uint64_t>(n)),
              b = static_cast<int>(rng() % static_cast<std::uint64_t>(n)),
              c = k % 2 ? static_cast<int>(rng() % static_cast<std::uint64_t>(n)) : (a + 1) % n;
    T.Triangulos_Que_Solapan(a, b, c, casillas_solapan);
    solapan.clear();
    for (const int lugar : casillas_solapan) solapan.push_back(por_casilla[static_cast<std::size_t>(lugar)]);
    std::vector<std::array<int, 3>> esperados;
    if (Orienta(p, a, b, c) != 0)
      for (const auto& t : tris)
        if (Interiores_Se_Solapan(plano(t[0], t[1], t[2]), plano(a, b, c))) esperados.push_back(t);
    std::sort(solapan.begin(), solapan.end());
    std::sort(esperados.begin(), esperados.end());
    ASSERT_EQ(solapan, esperados) << "triangle " << a << " " << b << " " << c;
  }
}

Puntos De_Nube(const Nube& c) { return {c.x, c.y}; }

TEST(Delaunay, FormasGeneradas) {
  for (Forma f : {Forma::Uniforme, Forma::Agrupada, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada,
                  Forma::Duplicados, Forma::Pocos})
    for (std::uint64_t semilla : {1, 2})
      for (std::size_t n : {3, 4, 10, 100, 600}) {
        SCOPED_TRACE(Nombre(f) + " " + std::to_string(n) + " " + std::to_string(semilla));
        const bool utm = semilla % 2 == 1;
        const Puntos p = De_Nube(Genera(f, n, utm ? 800 : 1, semilla, utm ? 500000 : 0, utm ? 4500000 : 0));
        const Triangulacion_Delaunay T(p.x, p.y);
        Comprueba(T, p);
      }
}

TEST(Delaunay, RejillasEnterasCocirculares) {
  // Every grid square is a cocircular quadruple; the triangulation must still choose one diagonal per square.
  for (int lado : {2, 3, 7, 40}) {
    Puntos p;
    for (int i = 0; i < lado; ++i)
      for (int j = 0; j < lado; ++j) p.Pon(500000 + i * 0.5, 4500000 + j * 0.5);
    const Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
    EXPECT_EQ(T.Numero_Triangulos(), static_cast<std::size_t>(2 * (lado - 1) * (lado - 1)));
  }
  // Points on one circle, with its centre and without.
  for (bool centro : {false, true}) {
    Puntos p;
    for (const auto& [x, y] : Circulo_Entero(1105)) p.Pon(static_cast<double>(x), static_cast<double>(y));
    if (centro) p.Pon(0, 0);
    const Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
  }
}

TEST(Delaunay, ColinealesDuplicadosYCasiDuplicados) {
  // All on one line, in any direction and order: no triangles, no edges, no constraints.
  for (const auto& [dx, dy] : {std::pair(1.0, 0.0), {0.0, 1.0}, {1.0, 1.0}, {3.0, -7.0}}) {
    Puntos p;
    for (int i : {5, 0, 9, 2, 2, 7, 1, 8, 3, 4, 6, 5}) p.Pon(500000 + i * dx, 4500000 + i * dy);
    Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
    EXPECT_FALSE(T.Existe_Arista(0, 1));
    EXPECT_FALSE(T.Inserta_Restriccion(0, 2).has_value());
    // One point off the line gives a fan to it.
    p.Pon(500000 + 4.5 * dx - dy, 4500000 + 4.5 * dy + dx);
    const Triangulacion_Delaunay U(p.x, p.y);
    Comprueba(U, p);
    EXPECT_EQ(U.Numero_Triangulos(), 9u);
  }
  // None, one, two points, all the same point.
  for (std::size_t n : {0, 1, 2, 5}) {
    Puntos p;
    for (std::size_t i = 0; i < n; ++i) p.Pon(n == 5 ? 1.0 : static_cast<double>(i), 2.0);
    const Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
  }
  // Clusters of points a few ulps apart, exact duplicates among them, over a wide range of magnitudes.
  std::mt19937_64 rng(21);
  std::uniform_int_distribution<int> pasos(-3, 3);
  for (double escala : {1e-3, 1.0, 500000.0, 4500000.0, 1e15}) {
    Puntos p;
    for (int g = 0; g < 30; ++g) {
      const double cx = escala * (1 + (g % 6) * 0.1), cy = escala * (1 + (g / 6) * 0.07);
      for (int k = 0; k < 12; ++k) {
        double x = cx, y = cy;
        for (int s = pasos(rng); s != 0; s += s > 0 ? -1 : 1) x = std::nextafter(x, s > 0 ? 1e300 : -1e300);
        for (int s = pasos(rng); s != 0; s += s > 0 ? -1 : 1) y = std::nextafter(y, s > 0 ? 1e300 : -1e300);
        p.Pon(x, y);
      }
    }
    const Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
  }
}

// Building ahead on the points in one order and renaming them must give what building on the other order gives.
TEST(Delaunay, RenumerarEsTriangularEnElOtroOrden) {
  std::mt19937_64 rng(5);
  const auto mismas = [](const Triangulacion_Delaunay& a, const Triangulacion_Delaunay& b) {
    ASSERT_EQ(a.Triangulos(), b.Triangulos());
    std::vector<int> va, vb;
    for (int i = 0; i < a.Numero_Puntos(); ++i) {
      ASSERT_EQ(a.Representante(i), b.Representante(i)) << i;
      ASSERT_EQ(a.Vecinos(i, va), b.Vecinos(i, vb)) << i;
      ASSERT_EQ(va, vb) << i;
    }
  };
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada, Forma::Duplicados,
                  Forma::Pocos, Forma::Filas_Niveladas})
    for (std::size_t n : {3, 50, 700}) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(n));
      Puntos p = De_Nube(Genera(f, n, 300, n + 11, 500000, 4500000));
      // Zeros of both signs are the same point.
      p.Pon(0, 4500000);
      p.Pon(-0.0, 4500000);
      std::vector<int> nuevo(p.x.size());
      for (std::size_t i = 0; i < nuevo.size(); ++i) nuevo[i] = static_cast<int>(i);
      std::shuffle(nuevo.begin(), nuevo.end(), rng);
      Puntos q{p.x, p.y};
      for (std::size_t i = 0; i < nuevo.size(); ++i)
        q.x[static_cast<std::size_t>(nuevo[i])] = p.x[i], q.y[static_cast<std::size_t>(nuevo[i])] = p.y[i];
      Triangulacion_Delaunay T(p.x, p.y);
      T.Renumera(nuevo);
      Triangulacion_Delaunay U(q.x, q.y);
      mismas(T, U);
      // Constraints then go in alike.
      for (int k = 0; k + 7 < U.Numero_Puntos(); k += 7)
        EXPECT_EQ(T.Inserta_Restriccion(k, k + 7), U.Inserta_Restriccion(k, k + 7));
      mismas(T, U);
    }
  // Anything but a permutation is refused, and the names stay.
  const std::vector<double> x{0, 1, 0, 1}, y{0, 0, 1, 1};
  Triangulacion_Delaunay T(x, y);
  const auto antes = T.Triangulos();
  for (const std::vector<int>& malo : {std::vector<int>{0, 1, 2}, {0, 1, 2, 2}, {0, 1, 2, 4}, {-1, 0, 1, 2}})
    EXPECT_THROW(T.Renumera(malo), RuntimeError);
  EXPECT_EQ(T.Triangulos(), antes);
}

TEST(Delaunay, EntradaInvalidaRechazada) {
  const std::vector<double> x{0, 1, 2}, y{0, 1};
  EXPECT_THROW((Triangulacion_Delaunay{x, y}), RuntimeError);
  for (double malo : {std::nan(""), std::numeric_limits<double>::infinity(), 1e61, 1e-61}) {
    const std::vector<double> a{0, 1, malo}, b{0, 1, 0};
    EXPECT_THROW((Triangulacion_Delaunay{a, b}), RuntimeError);
  }
  const std::vector<double> a{0, 1, 0}, b{0, 0, 1};
  Triangulacion_Delaunay T(a, b);
  EXPECT_THROW(T.Inserta_Restriccion(0, 3), RuntimeError);
  EXPECT_THROW((void)T.Existe_Arista(-1, 0), RuntimeError);
}

TEST(Delaunay, PuntosQueRompieronOtrosTrianguladores) {
  const auto conjuntos = Lee_Conjuntos(std::filesystem::path(TRILAT_TEST_DATA_DIR) / "robustness");
  ASSERT_EQ(conjuntos.size(), 8u);
  for (const auto& [archivo, nube] : conjuntos) {
    SCOPED_TRACE(archivo);
    const Puntos p = De_Nube(nube);
    Triangulacion_Delaunay T(p.x, p.y);
    Comprueba(T, p);
    // The country's outline, point after point, as constraints: each goes in, split where it runs through a
    // point, or is refused where the outline crosses itself.
    if (archivo != "ukraine.csv") continue;
    std::set<std::pair<int, int>> restringidas;
    for (int i = 0; i + 1 < static_cast<int>(p.x.size()); ++i) {
      const auto piezas = T.Inserta_Restriccion(i, i + 1);
      if (piezas)
        for (const Arista& a : *piezas) restringidas.insert({std::min(a.a, a.b), std::max(a.a, a.b)});
    }
    Comprueba(T, p, restringidas);
  }
}

// The slot of each triangle, by its corners in ascending order; every triangle found at its slot from any corner.
std::map<std::array<int, 3>, int> Casillas(const Triangulacion_Delaunay& T) {
  std::map<std::array<int, 3>, int> r;
  T.Para_Cada_Triangulo([&](int k, int a, int b, int c) {
    std::array<int, 3> v{a, b, c};
    EXPECT_EQ(T.Triangulo(b, c, a), k);
    EXPECT_EQ(T.Triangulo(c, b, a), k);
    std::sort(v.begin(), v.end());
    r[v] = k;
  });
  return r;
}

// Every constraint: refused exactly when it crosses a constrained piece away from a point, and then nothing
// changed; otherwise its pieces run from a to b through exactly the points on the segment.
void Inserta_Y_Comprueba(Triangulacion_Delaunay& T, const Puntos& p, int a, int b,
                         std::set<std::pair<int, int>>& restringidas) {
  const auto antes = T.Triangulos();
  const auto casillas_antes = Casillas(T);
  // A triangle that stays keeps its slot; one that gave way is found nowhere.
  const auto mismas_casillas = [&] {
    const auto despues = Casillas(T);
    for (const auto& [v, k] : casillas_antes) {
      const auto sigue = despues.find(v);
      if (sigue != despues.end())
        ASSERT_EQ(sigue->second, k);
      else
        ASSERT_EQ(T.Triangulo(v[0], v[1], v[2]), -1);
    }
  };
  // An edge already there is constrained by the shortcut, which changes no triangle.
  const bool arista = T.Existe_Arista(a, b);
  if (arista) {
    const int otros[] = {b};
    T.Restringe_Desde(a, otros);
    ASSERT_EQ(T.Triangulos(), antes);
  }
  const auto piezas = arista ? std::optional(std::vector<Arista>{{T.Representante(a), T.Representante(b)}})
                             : T.Inserta_Restriccion(a, b);
  mismas_casillas();
  a = T.Representante(a);
  b = T.Representante(b);
  bool cruza = false;
  for (const auto& [u, w] : restringidas)
    if (Orienta(p, a, b, u) * Orienta(p, a, b, w) < 0 && Orienta(p, u, w, a) * Orienta(p, u, w, b) < 0) cruza = true;
  ASSERT_EQ(!piezas, cruza) << a << "-" << b;
  if (!piezas) {
    ASSERT_EQ(T.Triangulos(), antes);
    return;
  }
  // The points strictly inside the segment, in order from a.
  std::vector<int> en_medio;
  const auto entre = [](double s, double m, double t) { return (s < m && m < t) || (t < m && m < s); };
  for (int q = 0; q < static_cast<int>(p.x.size()); ++q)
    if (T.Representante(q) == q && q != a && q != b && Orienta(p, a, b, q) == 0 &&
        (entre(p.x[a], p.x[q], p.x[b]) || entre(p.y[a], p.y[q], p.y[b])))
      en_medio.push_back(q);
  std::sort(en_medio.begin(), en_medio.end(), [&](int s, int t) {
    return std::fabs(p.x[s] - p.x[a]) + std::fabs(p.y[s] - p.y[a]) <
           std::fabs(p.x[t] - p.x[a]) + std::fabs(p.y[t] - p.y[a]);
  });
  std::vector<int> camino{a};
  camino.insert(camino.end(), en_medio.begin(), en_medio.end());
  if (a != b) camino.push_back(b);
  ASSERT_EQ(piezas->size() + 1, a == b ? 1 : camino.size());
  for (std::size_t i = 0; i < piezas->size(); ++i) {
    ASSERT_EQ((*piezas)[i], (Arista{camino[i], camino[i + 1]}));
    restringidas.insert({std::min(camino[i], camino[i + 1]), std::max(camino[i], camino[i + 1])});
  }
}

TEST(Delaunay, RestriccionesAleatoriasYCruzadas) {
  std::mt19937_64 rng(31);
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Alineada, Forma::Duplicados, Forma::Agrupada})
    for (std::uint64_t semilla : {1, 2}) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(semilla));
      const Puntos p = De_Nube(Genera(f, 300, 100, semilla, 500000, 4500000));
      Triangulacion_Delaunay T(p.x, p.y);
      std::set<std::pair<int, int>> restringidas;
      std::uniform_int_distribution<int> U(0, 299);
      for (int k = 0; k < 60; ++k) {
        const int a = U(rng);
        // Mostly short constraints, some across the whole set.
        int b = U(rng);
        if (k % 3 != 0) {
          int mejor = -1;
          for (int i = 0; i < 300; ++i) {
            const double d = std::hypot(p.x[i] - p.x[a], p.y[i] - p.y[a]);
            if (i != a && d < 25 && (mejor < 0 || i % 7 == k % 7)) mejor = i;
          }
          if (mejor >= 0) b = mejor;
        }
        Inserta_Y_Comprueba(T, p, a, b, restringidas);
        // Now and then a whole triangle's sides at once, which changes no triangle.
        if (k % 5 == 0 && T.Tiene_Triangulos()) {
          const auto tris = T.Triangulos();
          const auto& t = tris[rng() % tris.size()];
          T.Restringe_Triangulo(T.Triangulo(t[0], t[1], t[2]));
          for (int m = 0; m < 3; ++m)
            restringidas.insert({std::min(t[m], t[(m + 1) % 3]), std::max(t[m], t[(m + 1) % 3])});
          ASSERT_EQ(T.Triangulos(), tris);
        }
      }
      Comprueba(T, p, restringidas);
    }
}

// Forcing in segments from one point, a list at a time, must leave what forcing them in one by one leaves: the same
// triangles and the same constrained edges, also when a segment that is no edge yet changes the triangles round
// the point before the next one.
TEST(Delaunay, RestringirDesdeUnPuntoComoUnaAUna) {
  std::mt19937_64 rng(17);
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Duplicados})
    for (std::uint64_t semilla : {1, 2, 3}) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(semilla));
      const Puntos p = De_Nube(Genera(f, 400, 100, semilla, 500000, 4500000));
      Triangulacion_Delaunay juntas(p.x, p.y), una_a_una(p.x, p.y);
      std::vector<int> vecinos;
      for (int k = 0; k < 30; ++k) {
        const int a = static_cast<int>(rng() % 400);
        // Its neighbours, with a few far points among them.
        juntas.Vecinos(a, vecinos);
        std::vector<int> otros;
        for (std::size_t m = 0; m < vecinos.size(); ++m) {
          otros.push_back(vecinos[m]);
          if (rng() % 3 == 0) otros.push_back(static_cast<int>(rng() % 400));
        }
        juntas.Restringe_Desde(a, otros);
        for (const int b : otros) una_a_una.Inserta_Restriccion(a, b);
        ASSERT_EQ(juntas.Triangulos(), una_a_una.Triangulos());
      }
      for (const auto& t : juntas.Triangulos())
        for (int m = 0; m < 3; ++m)
          ASSERT_EQ(juntas.Es_Restringida(t[m], t[(m + 1) % 3]), una_a_una.Es_Restringida(t[m], t[(m + 1) % 3]));
    }
}

TEST(Delaunay, RestriccionesDeOtraTriangulacion) {
  // The edges of a triangulation of a subset never cross each other: all of them go in, split where they run
  // exactly through other points (gridded sets have many).
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada, Forma::Duplicados}) {
    SCOPED_TRACE(Nombre(f));
    const Puntos p = De_Nube(Genera(f, 500, 150, 7, 500000, 4500000));
    Puntos sub;
    std::vector<int> de_sub;
    for (int i = 0; i < static_cast<int>(p.x.size()); i += 3) {
      sub.Pon(p.x[i], p.y[i]);
      de_sub.push_back(i);
    }
    const Triangulacion_Delaunay S(sub.x, sub.y);
    Triangulacion_Delaunay T(p.x, p.y);
    std::set<std::pair<int, int>> restringidas;
    for (const auto& c : S.Triangulos())
      for (int i = 0; i < 3; ++i)
        if (de_sub[c[i]] < de_sub[c[(i + 1) % 3]])
          Inserta_Y_Comprueba(T, p, de_sub[c[i]], de_sub[c[(i + 1) % 3]], restringidas);
    Comprueba(T, p, restringidas);
  }
}

TEST(Delaunay, RestriccionQueRodeaUnVertice) {
  // The segment from (1, 10) to (1, -10) passes every triangle round (0, 0) without touching it: the crossed
  // triangles enclose that vertex, which must stay a vertex on one side of the constraint, and the edge that
  // holds it (here constrained first) must stay.
  for (double lejos : {2.0, 3.0, 6.0}) {
    const double esquinas[][2] = {{1, 10}, {1, -10}, {0, 0},   {lejos, lejos}, {lejos, -lejos},
                                  {-2, 0}, {-6, 9},  {-6, -9}, {8, 0}};
    Puntos p;
    for (const auto& [x, y] : esquinas) p.Pon(x, y);
    Triangulacion_Delaunay T(p.x, p.y);
    std::set<std::pair<int, int>> restringidas;
    Inserta_Y_Comprueba(T, p, 2, 5, restringidas);
    Inserta_Y_Comprueba(T, p, 0, 1, restringidas);
    Comprueba(T, p, restringidas);
  }
}

TEST(Delaunay, MismoResultadoEnTodaMaquina) {
  // Coordinates from integer arithmetic only, so the input is the same everywhere; the triangles, their order
  // and their corners must be too.
  Puntos p;
  std::uint64_t s = 12345;
  for (int i = 0; i < 5000; ++i) {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    const double x = 500000 + static_cast<double>(s >> 40) / 16.0;
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    p.Pon(x, 4500000 + static_cast<double>(s >> 40) / 16.0);
  }
  Triangulacion_Delaunay T(p.x, p.y);
  for (int i = 0; i + 1 < 200; i += 2) T.Inserta_Restriccion(i, i + 1);
  std::uint64_t h = 14695981039346656037ULL;
  for (const auto& c : T.Triangulos())
    for (int v : c) h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ULL;
  EXPECT_EQ(h, 6954103815259929693u);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
