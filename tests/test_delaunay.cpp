// The Delaunay and constrained Delaunay triangulation on generated point sets of every awkward kind and on point
// sets that broke other triangulators: always a valid triangulation of the whole convex hull, Delaunay except
// across constraints, every constraint present as edges, duplicates mapped to their first point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "tests/support/Generadores.h"
#include "tests/support/Verificador.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat::prueba {
namespace {

using Arista = Triangulacion_Delaunay::Arista;
// Constrained pieces, each as (lower point, higher point).
using Restringidas = std::set<std::pair<int, int>>;

int Orienta(const Nube& p, int a, int b, int c) { return Orientacion(p.x[a], p.y[a], p.x[b], p.y[b], p.x[c], p.y[c]); }

void Anota(Restringidas& r, int a, int b) { r.insert({std::min(a, b), std::max(a, b)}); }

// Everything a triangulation must be, with the constrained pieces inserted so far.
void Comprueba(const Triangulacion_Delaunay& T, const Nube& p, const Restringidas& restringidas = {}) {
  const int n = static_cast<int>(p.size());
  std::map<std::pair<double, double>, int> primero;
  std::vector<int> distintos;
  for (int i = 0; i < n; ++i) {
    const auto [it, nuevo] = primero.emplace(std::pair(p.x[i], p.y[i]), i);
    ASSERT_EQ(T.Representante(i), it->second) << "point " << i;
    if (nuevo) distintos.push_back(i);
  }
  const auto tris = T.Triangulos();
  ASSERT_EQ(tris.size(), T.Numero_Triangulos());
  // Triangles exactly when three distinct points are not on one line.
  const bool con_area = distintos.size() > 2 && std::any_of(distintos.begin(), distintos.end(), [&](int q) {
                          return Orienta(p, distintos[0], distintos[1], q) != 0;
                        });
  ASSERT_EQ(T.Tiene_Triangulos(), con_area);

  // Directed edges sorted, each with its triangle's third corner: the twin of a-b is b-a.
  struct Lado {
    int a, b, opuesto;
    bool operator<(const Lado& o) const { return a != o.a ? a < o.a : b < o.b; }
  };
  const auto busca = [](const std::vector<Lado>& lados, int a, int b) {
    const auto l = std::lower_bound(lados.begin(), lados.end(), Lado{a, b, 0});
    return l != lados.end() && l->a == a && l->b == b ? &*l : nullptr;
  };
  std::vector<Lado> lados;
  std::vector<Tri> uno;
  std::set<int> esquinas;
  for (const auto& c : tris) {
    ASSERT_GT(Orienta(p, c[0], c[1], c[2]), 0) << "triangle not counter-clockwise";
    uno.push_back({c[0] + 1, c[1] + 1, c[2] + 1});
    for (int i = 0; i < 3; ++i) {
      ASSERT_EQ(T.Representante(c[i]), c[i]);
      esquinas.insert(c[i]);
      lados.push_back({c[i], c[(i + 1) % 3], c[(i + 2) % 3]});
    }
  }
  const auto problemas = Verifica(p.x, p.y, uno);
  ASSERT_TRUE(problemas.empty()) << problemas.front();
  ASSERT_EQ(std::ssize(esquinas), con_area ? std::ssize(distintos) : 0);
  std::sort(lados.begin(), lados.end());

  for (const Lado& l : lados) {
    ASSERT_TRUE(T.Existe_Arista(l.b, l.a));
    const bool restringida = restringidas.count({std::min(l.a, l.b), std::max(l.a, l.b)}) > 0;
    ASSERT_EQ(T.Es_Restringida(l.a, l.b), restringida) << l.a << "-" << l.b;
    const Lado* gemela = busca(lados, l.b, l.a);
    // A side without a twin has no point beyond it: the triangles, which overlap nowhere and have every distinct
    // point as a corner, cover the convex hull.
    if (!gemela) {
      for (const int q : distintos) ASSERT_GE(Orienta(p, l.a, l.b, q), 0) << l.a << "-" << l.b;
    }
    // Locally Delaunay across every unconstrained edge; with every edge so, the whole is (constrained) Delaunay.
    if (!gemela || restringida) continue;
    const int a = l.a, b = l.b, c = l.opuesto, d = gemela->opuesto;
    ASSERT_LE(Incirculo(p.x[a], p.y[a], p.x[b], p.y[b], p.x[c], p.y[c], p.x[d], p.y[d]), 0)
        << "edge " << a << "-" << b << " not Delaunay";
  }
  // Each point's neighbours in turning order: every consecutive pair a triangle with it, all round for an inner
  // point, from one hull neighbour to the other for a point on the hull (where the pair that closes the list is
  // its outside).
  std::vector<int> vecinos;
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(T.Vecinos(i, vecinos), T.Representante(i) == i && con_area) << "point " << i;
    if (vecinos.empty()) continue;
    const auto desde = std::lower_bound(lados.begin(), lados.end(), Lado{i, std::numeric_limits<int>::min(), 0});
    const auto salientes = std::find_if(desde, lados.end(), [&](const Lado& l) { return l.a != i; }) - desde;
    const auto triangulo = [&](std::size_t k) {
      const Lado* l = busca(lados, vecinos[k], vecinos[(k + 1) % vecinos.size()]);
      return l && l->opuesto == i;
    };
    for (std::size_t k = 0; k + 1 < vecinos.size(); ++k) ASSERT_TRUE(triangulo(k)) << "point " << i;
    ASSERT_EQ(std::ssize(vecinos), salientes + (triangulo(vecinos.size() - 1) ? 0 : 1)) << "point " << i;
  }
  for (const auto& [u, w] : restringidas) ASSERT_TRUE(T.Existe_Arista(u, w)) << u << "-" << w;
}

// Point sets of every awkward kind, each with a name to report it by.
std::vector<std::pair<std::string, Nube>> Conjuntos() {
  auto r = Lee_Conjuntos(std::filesystem::path(TRILAT_TEST_DATA_DIR) / "robustness");
  EXPECT_EQ(r.size(), 8u);
  const auto nuevo = [&](const std::string& nombre, const Nube& c) { r.emplace_back(nombre, c); };
  for (Forma f : {Forma::Uniforme, Forma::Agrupada, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada,
                  Forma::Duplicados, Forma::Pocos})
    for (std::uint64_t semilla : {1, 2})
      for (std::size_t n : {3, 4, 10, 100, 600}) {
        const bool utm = semilla % 2 == 1;
        nuevo(Nombre(f) + " " + std::to_string(n) + " " + std::to_string(semilla),
              Genera(f, n, utm ? 800 : 1, semilla, utm ? 500000 : 0, utm ? 4500000 : 0));
      }
  // Every whole point of a circle (every four cocircular), with its centre and without.
  Nube circulo;
  for (int x = -1105; x <= 1105; ++x)
    for (const int y : {1, -1}) {
      const auto h = std::llround(std::sqrt(1105.0 * 1105 - x * x));
      if (x * x + h * h == 1105 * 1105 && (h != 0 || y == 1)) circulo.Pon(x, static_cast<double>(y * h));
    }
  nuevo("circle", circulo);
  circulo.Pon(0, 0);
  nuevo("circle and centre", circulo);
  // All on one line, in any direction and order, repeats among them; then with one point off it (a fan to it).
  for (const auto& [dx, dy] : {std::pair(1.0, 0.0), {0.0, 1.0}, {1.0, 1.0}, {3.0, -7.0}}) {
    Nube c;
    for (int i : {5, 0, 9, 2, 2, 7, 1, 8, 3, 4, 6, 5}) c.Pon(500000 + i * dx, 4500000 + i * dy);
    nuevo("line " + std::to_string(dy / dx), c);
    c.Pon(500000 + 4.5 * dx - dy, 4500000 + 4.5 * dy + dx);
    nuevo("fan " + std::to_string(dy / dx), c);
  }
  // None, one, two points, all the same point.
  for (const Nube& c : {De_Lista({}), De_Lista({{0, 2}}), De_Lista({{0, 2}, {1, 2}}),
                        De_Lista(std::vector<std::pair<double, double>>(5, {1, 2}))})
    nuevo(std::to_string(c.size()) + " points", c);
  // Clusters of points a few ulps apart, exact duplicates among them, over a wide range of magnitudes.
  std::mt19937_64 rng(21);
  std::uniform_int_distribution<int> pasos(-3, 3);
  const auto mueve = [&](double v) {
    for (int s = pasos(rng); s != 0; s += s > 0 ? -1 : 1) v = std::nextafter(v, s > 0 ? 1e300 : -1e300);
    return v;
  };
  for (double escala : {1e-3, 1.0, 500000.0, 4500000.0, 1e15}) {
    Nube c;
    for (int g = 0; g < 30 * 12; ++g) {
      const double x = mueve(escala * (1 + (g / 12 % 6) * 0.1));
      c.Pon(x, mueve(escala * (1 + (g / 72) * 0.07)));
    }
    nuevo("ulps " + std::to_string(escala), c);
  }
  return r;
}

TEST(Delaunay, ConjuntosDeTodaClase) {
  for (const auto& [nombre, c] : Conjuntos()) {
    SCOPED_TRACE(nombre);
    Triangulacion_Delaunay T(c.x, c.y);
    Comprueba(T, c);
    // Without triangles no constraint goes in.
    EXPECT_FALSE(!T.Tiene_Triangulos() && c.size() > 2 && T.Inserta_Restriccion(0, 2).has_value());
  }
}

// Two ways to the same triangulation: building on the points in one order and renaming them, or building on the
// other order; then forcing in segments from one point, a list at a time, or one by one (also when a segment that
// is no edge yet changes the triangles round the point before the next one).
TEST(Delaunay, RenumerarYRestringirDesdeUnPuntoComoPorOtroCamino) {
  std::mt19937_64 rng(5);
  const auto mismas = [](const Triangulacion_Delaunay& a, const Triangulacion_Delaunay& b) {
    ASSERT_EQ(a.Triangulos(), b.Triangulos());
    std::vector<int> va, vb;
    for (int i = 0; i < a.Numero_Puntos(); ++i) {
      ASSERT_EQ(a.Representante(i), b.Representante(i)) << i;
      ASSERT_EQ(a.Vecinos(i, va), b.Vecinos(i, vb)) << i;
      ASSERT_EQ(va, vb) << i;
      for (const int v : va) ASSERT_EQ(a.Es_Restringida(i, v), b.Es_Restringida(i, v)) << i << "-" << v;
    }
  };
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada, Forma::Duplicados,
                  Forma::Pocos, Forma::Filas_Niveladas})
    for (std::size_t n : {3, 50, 700}) {
      SCOPED_TRACE(Nombre(f) + " " + std::to_string(n));
      Nube p = Genera(f, n, 300, n + 11, 500000, 4500000);
      // Zeros of both signs are the same point.
      p.Pon(0, 4500000);
      p.Pon(-0.0, 4500000);
      std::vector<int> nuevo(p.size());
      for (std::size_t i = 0; i < nuevo.size(); ++i) nuevo[i] = static_cast<int>(i);
      std::shuffle(nuevo.begin(), nuevo.end(), rng);
      Nube q = p;
      for (std::size_t i = 0; i < nuevo.size(); ++i)
        q.x[static_cast<std::size_t>(nuevo[i])] = p.x[i], q.y[static_cast<std::size_t>(nuevo[i])] = p.y[i];
      Triangulacion_Delaunay T(p.x, p.y);
      T.Renumera(nuevo);
      Triangulacion_Delaunay U(q.x, q.y);
      mismas(T, U);
      for (int k = 0; k + 7 < U.Numero_Puntos(); k += 7)
        EXPECT_EQ(T.Inserta_Restriccion(k, k + 7), U.Inserta_Restriccion(k, k + 7));
      std::vector<int> vecinos, otros;
      for (int k = 0; k < 30; ++k) {
        const auto a = static_cast<int>(rng() % p.size());
        // Its neighbours, with a few far points among them.
        T.Vecinos(a, vecinos);
        otros.clear();
        for (const int v : vecinos) {
          otros.push_back(v);
          if (rng() % 3 == 0) otros.push_back(static_cast<int>(rng() % p.size()));
        }
        T.Restringe_Desde(a, otros);
        for (const int b : otros) U.Inserta_Restriccion(a, b);
        ASSERT_EQ(T.Triangulos(), U.Triangulos());
      }
      mismas(T, U);
    }
}

TEST(Delaunay, EntradaInvalidaRechazada) {
  const std::vector<double> x{0, 1, 2}, y{0, 1};
  EXPECT_THROW((Triangulacion_Delaunay{x, y}), RuntimeError);
  for (double malo : {std::nan(""), std::numeric_limits<double>::infinity(), 1e61, 1e-61}) {
    const std::vector<double> a{0, 1, malo}, b{0, 1, 0};
    EXPECT_THROW((Triangulacion_Delaunay{a, b}), RuntimeError);
  }
  const Nube p = De_Lista({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
  Triangulacion_Delaunay T(p.x, p.y);
  EXPECT_THROW(T.Inserta_Restriccion(0, 4), RuntimeError);
  EXPECT_THROW((void)T.Existe_Arista(-1, 0), RuntimeError);
  // Anything but a permutation is refused, and the names stay.
  const auto antes = T.Triangulos();
  for (const std::vector<int>& malo : {std::vector<int>{0, 1, 2}, {0, 1, 2, 2}, {0, 1, 2, 4}, {-1, 0, 1, 2}})
    EXPECT_THROW(T.Renumera(malo), RuntimeError);
  EXPECT_EQ(T.Triangulos(), antes);
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
void Inserta_Y_Comprueba(Triangulacion_Delaunay& T, const Nube& p, int a, int b, Restringidas& restringidas) {
  const auto antes = T.Triangulos();
  const auto casillas_antes = Casillas(T);
  const auto piezas = T.Inserta_Restriccion(a, b);
  // A triangle that stays keeps its slot; one that gave way is found nowhere.
  const auto despues = Casillas(T);
  for (const auto& [v, k] : casillas_antes) {
    const auto sigue = despues.find(v);
    ASSERT_EQ(sigue == despues.end() ? T.Triangulo(v[0], v[1], v[2]) : sigue->second, sigue == despues.end() ? -1 : k);
  }
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
  std::vector<int> camino{a};
  const auto entre = [](double s, double m, double t) { return (s < m && m < t) || (t < m && m < s); };
  for (int q = 0; q < static_cast<int>(p.size()); ++q)
    if (T.Representante(q) == q && q != a && q != b && Orienta(p, a, b, q) == 0 &&
        (entre(p.x[a], p.x[q], p.x[b]) || entre(p.y[a], p.y[q], p.y[b])))
      camino.push_back(q);
  const auto lejos = [&](int s) { return std::fabs(p.x[s] - p.x[a]) + std::fabs(p.y[s] - p.y[a]); };
  std::sort(camino.begin() + 1, camino.end(), [&](int s, int t) { return lejos(s) < lejos(t); });
  if (a != b) camino.push_back(b);
  ASSERT_EQ(piezas->size() + 1, a == b ? 1 : camino.size());
  for (std::size_t i = 0; i < piezas->size(); ++i) {
    ASSERT_EQ((*piezas)[i], (Arista{camino[i], camino[i + 1]}));
    Anota(restringidas, camino[i], camino[i + 1]);
  }
}

// Constraints of every kind, each checked as it goes in, then the whole: random ones, mostly short, some across the
// whole set, with now and then a whole triangle's sides at once; the edges of a triangulation of a subset, which
// never cross each other and run exactly through other points on grids; a country's outline, point after point,
// split where it runs through a point and refused where it crosses itself; and a segment from (1, 10) to (1, -10)
// that passes every triangle round (0, 0) without touching it, so that the crossed triangles enclose that vertex,
// which must stay on one side of it with the edge that holds it (constrained first).
TEST(Delaunay, RestriccionesDeTodaClase) {
  struct Caso {
    std::string nombre;
    Nube p;
    std::vector<std::pair<int, int>> segmentos;
    bool con_triangulos = false;
  };
  std::vector<Caso> casos;
  std::mt19937_64 rng(31);
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Alineada, Forma::Duplicados, Forma::Agrupada})
    for (std::uint64_t semilla : {1, 2}) {
      Caso& c = casos.emplace_back(Caso{
          Nombre(f) + " random " + std::to_string(semilla), Genera(f, 300, 100, semilla, 500000, 4500000), {}, true});
      std::uniform_int_distribution<int> U(0, 299);
      for (int k = 0; k < 60; ++k) {
        const int a = U(rng), b = U(rng);
        int cerca = -1;
        for (int i = 0; i < 300 && k % 3 != 0; ++i)
          if (i != a && std::hypot(c.p.x[i] - c.p.x[a], c.p.y[i] - c.p.y[a]) < 25 && (cerca < 0 || i % 7 == k % 7))
            cerca = i;
        c.segmentos.emplace_back(a, cerca >= 0 ? cerca : b);
      }
    }
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada, Forma::Duplicados}) {
    Caso& c = casos.emplace_back(Caso{Nombre(f), Genera(f, 500, 150, 7, 500000, 4500000), {}});
    Nube sub;
    for (std::size_t i = 0; i < c.p.size(); i += 3) sub.Pon(c.p.x[i], c.p.y[i]);
    for (const auto& t : Triangulacion_Delaunay(sub.x, sub.y).Triangulos())
      for (int i = 0; i < 3; ++i)
        if (t[i] < t[(i + 1) % 3]) c.segmentos.emplace_back(3 * t[i], 3 * t[(i + 1) % 3]);
  }
  for (const auto& [archivo, p] : Lee_Conjuntos(std::filesystem::path(TRILAT_TEST_DATA_DIR) / "robustness")) {
    if (archivo != "ukraine.csv") continue;
    casos.push_back({archivo, p, {}});
    for (int i = 0; i + 1 < static_cast<int>(p.size()); ++i) casos.back().segmentos.emplace_back(i, i + 1);
  }
  for (double d : {2.0, 3.0, 6.0})
    casos.push_back({"round a vertex " + std::to_string(d),
                     De_Lista({{1, 10}, {1, -10}, {0, 0}, {d, d}, {d, -d}, {-2, 0}, {-6, 9}, {-6, -9}, {8, 0}}),
                     {{2, 5}, {0, 1}}});
  for (const auto& [nombre, p, segmentos, con_triangulos] : casos) {
    SCOPED_TRACE(nombre);
    Triangulacion_Delaunay T(p.x, p.y);
    Restringidas restringidas;
    for (std::size_t k = 0; k < segmentos.size(); ++k) {
      Inserta_Y_Comprueba(T, p, segmentos[k].first, segmentos[k].second, restringidas);
      if (!con_triangulos || k % 5 != 0 || !T.Tiene_Triangulos()) continue;
      // A triangle's sides at once change no triangle.
      const auto tris = T.Triangulos();
      const auto& t = tris[rng() % tris.size()];
      const int casilla = T.Triangulo(t[0], t[1], t[2]);
      ASSERT_GE(casilla, 0);
      T.Restringe_Triangulo(casilla);
      for (int m = 0; m < 3; ++m) Anota(restringidas, t[m], t[(m + 1) % 3]);
      ASSERT_EQ(T.Triangulos(), tris);
    }
    Comprueba(T, p, restringidas);
  }
}

TEST(Delaunay, MismoResultadoEnTodaMaquina) {
  // Coordinates from integer arithmetic only, so the input is the same everywhere; the triangles, their order
  // and their corners must be too.
  Nube p;
  std::uint64_t s = 12345;
  const auto siguiente = [&] {
    return static_cast<double>((s = s * 6364136223846793005ULL + 1442695040888963407ULL) >> 40) / 16;
  };
  for (int i = 0; i < 5000; ++i) {
    const double x = 500000 + siguiente();
    p.Pon(x, 4500000 + siguiente());
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
