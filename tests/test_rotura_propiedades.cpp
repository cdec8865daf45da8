// Breaklines forced into many generated triangulations (scattered, gridded, clustered, kerb-like, UTM-sized, with
// holes and gaps), through vertices, along edges and across holes: every forcing leaves a sound triangulation of
// the same area with each piece an edge; the indexed searches give exactly what plain scans give; a piece forced
// through its corridor does not depend on its direction; and where the forcing's own procedure was sound
// throughout, the result is exactly that procedure's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <random>

#include "tests/support/Rotura_Anfitrion.h"
#include "tests/support/Rotura_Literal.h"
#include "trilat/c_Rotura/Contorno_Cortados.h"
#include "trilat/c_Rotura/Cortados.h"
#include "trilat/c_Rotura/Corte_Segmentos.h"
#include "trilat/c_Rotura/Lados_Cavidad.h"
#include "trilat/c_Rotura/Mete_Roturas.h"
#include "trilat/c_Rotura/Pto_en_Poligono.h"
#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat::prueba {
namespace {

struct Terreno_Prueba {
  std::string nombre;
  Modelo m;
  int columnas = 0;      // an exact grid of this many columns, numbered row by row
  double paso = 1;       // typical distance between neighbouring points
  bool general = false;  // random coordinates: no four points on a circle
};

std::vector<Terreno_Prueba> Terrenos_De_Prueba(std::uint64_t semilla) {
  std::vector<Terreno_Prueba> r;
  const auto nube = [&](std::string nombre, Forma f, double lado, double dist_max, double x0 = 0, double y0 = 0) {
    r.push_back({std::move(nombre), Triangulado(Genera(f, 400, lado, semilla, x0, y0), dist_max)});
    r.back().paso = lado / 20;
    r.back().general = f == Forma::Uniforme || f == Forma::Agrupada;
  };
  nube("uniforme", Forma::Uniforme, 100, 1e5);
  nube("agrupada", Forma::Agrupada, 100, 1e5);
  nube("alineada", Forma::Alineada, 100, 1e5);
  nube("duplicados", Forma::Duplicados, 100, 1e5);
  nube("utm", Forma::Uniforme, 1000, 1e6, 431250, 4581430);
  nube("rejilla", Forma::Rejilla, 100, 1e5);
  nube("con_huecos", Forma::Uniforme, 100, 9);  // short maximum side: gaps and a ragged outline
  r.push_back({"rejilla_exacta", Rejilla(Relieve::Suave, 20, 20, 5, 0, semilla), 20, 5});
  r.push_back({"rejilla_movida", Rejilla(Relieve::Suave, 20, 20, 5, 0.3, semilla), 0, 5});
  r.push_back({"agujereada", Rejilla(Relieve::Suave, 20, 20, 5, 0, semilla + 1), 20, 5});
  Agujerea(r.back().m, 47.5, 47.5, 20);
  return r;
}

// Random breaklines over a model's vertices: short and long (across the hole, when there is one), along edges,
// through vertices.
class Generador {
 public:
  Generador(const Terreno_Prueba& t, std::uint64_t semilla) : t_(t), rng_(semilla) {
    std::vector<bool> usado(static_cast<std::size_t>(t.m.nPun) + 1, false);
    for (Long k = 0; k <= t.m.nTri; ++k) usado[t.m.Vt1(k)] = usado[t.m.Vt2(k)] = usado[t.m.Vt3(k)] = true;
    for (Long i = 1; i <= t.m.nPun; ++i) (usado[static_cast<std::size_t>(i)] ? vertices_ : sueltos_).push_back(i);
  }

  std::vector<Long> Segmento() {
    const Long a = Uno();
    const std::size_t caso = Azar(6);
    if (caso == 1) {  // an existing edge
      const Long k = static_cast<Long>(Azar(static_cast<std::size_t>(t_.m.nTri) + 1));
      return {t_.m.Vt1(k), Azar(2) ? t_.m.Vt2(k) : t_.m.Vt3(k)};
    }
    return {a, caso == 0 ? Uno() : caso == 2 ? Por_Vertices(a) : Vecino(a)};
  }

  // A chain of short steps, sometimes straight on through vertices of a grid, sometimes to a point that is no
  // vertex (one that the triangulation's cleaning left out, possibly within 0.001 of a vertex).
  std::vector<Long> Polilinea(int n) {
    std::vector<Long> p{Uno()};
    while (static_cast<int>(p.size()) < n)
      p.push_back(!sueltos_.empty() && Azar(5) == 0 ? sueltos_[Azar(sueltos_.size())]
                  : Azar(3) == 0                    ? Por_Vertices(p.back())
                                                    : Vecino(p.back()));
    return p;
  }

 private:
  std::size_t Azar(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
  Long Uno() { return vertices_[Azar(vertices_.size())]; }
  Vert P(Long i) const { return {t_.m.X(i), t_.m.Y(i)}; }

  // The vertex nearest a random point within four steps of a.
  Long Vecino(Long a) {
    std::uniform_real_distribution<double> U(-4 * t_.paso, 4 * t_.paso);
    const Vert q{P(a).X + U(rng_), P(a).Y + U(rng_)};
    return *std::ranges::min_element(vertices_, {}, [&](Long v) { return std::hypot(P(v).X - q.X, P(v).Y - q.Y); });
  }

  // On an exact grid, the vertex 2 to 4 equal steps away, a step being up to two cells each way: along an axis or a
  // diagonal the segment runs through the vertices between. Elsewhere a neighbour.
  Long Por_Vertices(Long a) {
    const int c = t_.columnas;
    if (c == 0) return Vecino(a);
    const int k = 2 + static_cast<int>(Azar(3)), i = (a - 1) % c + k * (static_cast<int>(Azar(5)) - 2),
              j = (a - 1) / c + k * (static_cast<int>(Azar(5)) - 2);
    return i >= 0 && j >= 0 && i < c && j < t_.m.nPun / c ? static_cast<Long>(j * c + i + 1) : Vecino(a);
  }

  const Terreno_Prueba& t_;
  std::mt19937_64 rng_;
  std::vector<Long> vertices_, sueltos_;  // points with triangles, and without
};

std::vector<std::array<Long, 2>> Segmentos_De(const std::vector<std::vector<Long>>& lineas) {
  std::vector<std::array<Long, 2>> s;
  for (const auto& l : lineas)
    for (std::size_t k = 0; k + 1 < l.size(); ++k) s.push_back({l[k], l[k + 1]});
  return s;
}

const std::vector<std::string> Ninguno;

// Pieces by the way they were forced (or not), the splits last.
std::array<Long, 6> Cuentas(const Estadistica_Rotura& c) {
  return {c.Aceptados, c.Corredores, c.Sin_Forzar, c.Sin_Cortes, c.Ya_Aristas, c.Partidos};
}

// Every call of a run on both instances, checked after each.
TEST(Rotura_Propiedades, ForzadoSanoEIgualAlDeLasBusquedasSimples) {
  std::array<Long, 6> total{};
  int invertidos = 0;
  for (std::uint64_t semilla = 11; semilla < 11 + Semillas("TRILAT_SEMILLAS_ROTURA"); ++semilla) {
    for (Terreno_Prueba& t : Terrenos_De_Prueba(semilla)) {
      SCOPED_TRACE(t.nombre + " " + std::to_string(semilla));
      Generador g(t, semilla * 31 + static_cast<std::uint64_t>(t.m.nPun));
      Modelo literal = t.m;
      c_Rotura rapido, simple(Crea_Busqueda_Literal);
      for (int k = 0; k < 36; ++k) {
        std::vector<std::vector<Long>> lineas;
        for (int p = 0; p < 3 && k % 4 == 3; ++p) lineas.push_back(g.Polilinea(2 + k % 7));
        if (lineas.empty()) lineas.push_back(g.Segmento());
        const Modelo antes = t.m;
        std::vector<Registro> dibujos;
        for (const auto& [r, m] : {std::pair{&rapido, &t.m}, {&simple, &literal}}) {
          auto sup = Superficie_Nueva();
          lineas.size() > 1 ? Fuerza_Polilineas(*r, *m, lineas) : Fuerza_Segmento(*r, *m, lineas[0][0], lineas[0][1]);
          dibujos.push_back(sup->Llamadas());
        }
        ASSERT_EQ(Comprueba_Forzado(antes, t.m, Segmentos_De(lineas)), Ninguno) << "call " << k;
        ASSERT_EQ(dibujos[0], dibujos[1]) << "call " << k;
        ASSERT_EQ(Triangulos_Del_Modelo(t.m), Triangulos_Del_Modelo(literal)) << "call " << k;
        // A piece forced through its corridor gives the same model whichever end it is forced from, where no four
        // points lie on a circle.
        const auto por_corredor = [&](Long a, Long b, Modelo& m) {
          c_Rotura r;
          Fuerza_Segmento(r, m = antes, a, b);
          return Cuentas(r.Estado().Cuentas) == std::array<Long, 6>{0, 1, 0, 0, 0, 0};
        };
        Modelo ida, vuelta;
        if (lineas.size() == 1 && t.general && por_corredor(lineas[0][0], lineas[0][1], ida) &&
            por_corredor(lineas[0][1], lineas[0][0], vuelta)) {
          ++invertidos;
          ASSERT_EQ(Triangulos_Del_Modelo(ida), Triangulos_Del_Modelo(vuelta)) << "call " << k;
        }
      }
      const auto cuentas = Cuentas(rapido.Estado().Cuentas);
      EXPECT_EQ(cuentas, Cuentas(simple.Estado().Cuentas));
      for (std::size_t k = 0; k < total.size(); ++k) total[k] += cuentas[k];
    }
  }
  // Pieces forced by the procedure as written, by the corridor, and left outside the area: every way was taken.
  EXPECT_TRUE(total[0] > 0 && total[1] > 0 && total[2] > 0);
  EXPECT_GT(invertidos, 0);
}

// Survey points on a straight line in their decimals (millimetres), amid scattered ones, locally and at UTM size,
// some with a second line a millimetre beside them: a breakline from the first to the last passes through every
// one of them, each step an edge, and leaves no sliver the model did not have (a line run past them, a few units
// in the last place away, would).
TEST(Rotura_Propiedades, UnaRoturaPorPuntosAlineadosEnDecimalesPasaPorTodos) {
  int partidas = 0;
  for (std::uint64_t semilla = 1; semilla <= 40; ++semilla) {
    std::mt19937_64 rng(semilla);
    std::uniform_int_distribution<long long> mm(-3000, 3000);
    const double x0 = semilla % 2 ? 431250 : 0, y0 = semilla % 2 ? 4581430 : 0;
    Nube c;
    const auto pon = [&](long long x, long long y) {
      c.x.push_back(x0 + static_cast<double>(x) / 1000), c.y.push_back(y0 + static_cast<double>(y) / 1000);
      c.z.push_back(0);
    };
    const long long ax = mm(rng), ay = mm(rng), dx = 100 + mm(rng) % 400, dy = mm(rng) % 400;
    for (long long k = 0; k < 12; ++k) pon(ax + k * dx, ay + k * dy);
    // On half the seeds the kerb's other line, a millimetre beside it: a step along the breakline must not take
    // back the one before it through the triangles around both lines.
    for (long long k = 0; semilla % 4 < 2 && k < 11; ++k) pon(ax + k * dx + 7 * dx / 20, ay + k * dy + 7 * dy / 20 + 1);
    for (int k = 0; k < 40; ++k) pon(mm(rng) * 3, mm(rng) * 3);
    const Modelo antes = Triangulado(c, 1e5);
    Modelo m = antes;
    c_Rotura r;
    Fuerza_Segmento(r, m, 1, 12);
    ASSERT_EQ(Comprueba_Forzado(antes, m, {{1, 12}}), Ninguno) << "seed " << semilla;
    partidas += r.Estado().Cuentas.Partidos > 0 ? 1 : 0;
    const auto astillas = [&](const Modelo& x) {
      return std::ranges::count_if(Triangulos(x.nTri, x.Vt1, x.Vt2, x.Vt3), [&](const Tri& t) {
        double lado = 0;
        for (const auto& [p, q] : {std::pair{t.a, t.b}, {t.b, t.c}, {t.c, t.a}})
          lado = std::max(lado, std::hypot(x.X(p) - x.X(q), x.Y(p) - x.Y(q)));
        return std::fabs(Area_Doble(c.x, c.y, t)) < 1e-9 * lado * lado;
      });
    };
    EXPECT_LE(astillas(m), astillas(antes)) << "seed " << semilla;
  }
  EXPECT_EQ(partidas, 40);
}

// A 4 x 4 grid of 5-unit cells, each split by its rising diagonal, with a point inside the cell (1, 1) beside its
// edge along an axis (the left one, or the bottom one with the grid mirrored about its diagonal), a fraction of a
// millimetre off: a model read as it was given, or a survey point on the line of a kerb. A breakline from that
// point to every corner of the grid is forced, locally and at UTM size: the segment test of the forcing's own
// procedure tilts such an edge by 0.001 and sees none of the triangles the breakline crosses beside it.
TEST(Rotura_Propiedades, UnaRoturaDesdeJuntoAUnaAristaParalelaAUnEjeLaCruza) {
  int cambiadas = 0;
  for (const Vert origen : {Vert{0, 0}, Vert{431250, 4581430}}) {
    for (const bool espejo : {false, true}) {
      for (const double junto : {1e-7, 1e-5, 1e-4, 9e-4}) {
        std::vector<Vert> puntos;
        const auto pon = [&](double x, double y) {
          puntos.push_back(espejo ? Vert{origen.X + y, origen.Y + x} : Vert{origen.X + x, origen.Y + y});
        };
        for (int j = 0; j < 4; ++j)
          for (int i = 0; i < 4; ++i) pon(5.0 * i, 5.0 * j);
        pon(5 + junto, 7.5);
        std::vector<std::array<Long, 3>> tris{{6, 11, 17}, {11, 10, 17}, {10, 6, 17}};
        for (Long a : {1, 2, 3, 5, 6, 7, 9, 10, 11}) {
          tris.push_back({a, a + 1, a + 5});
          if (a != 6) tris.push_back({a, a + 5, a + 4});
        }
        const Modelo antes = De_Listas(puntos, tris);
        for (Long b = 1; b <= 16; ++b) {
          SCOPED_TRACE(std::to_string(origen.X) + (espejo ? " mirrored " : " ") + std::to_string(junto) + " to " +
                       std::to_string(b));
          Modelo m = antes;
          c_Rotura r;
          Superficie_Nueva();
          Fuerza_Segmento(r, m, 17, b);
          ASSERT_EQ(Comprueba_Forzado(antes, m, {{17, b}}), Ninguno);
          cambiadas += Triangulos_Del_Modelo(m) != Triangulos_Del_Modelo(antes) ? 1 : 0;
        }
      }
    }
  }
  // Every breakline but those to the three corners joined to the point crosses triangles.
  EXPECT_EQ(cambiadas, 16 * 13);
}

// Where every piece was the procedure's own and sound, the guarded forcing is the procedure as written, drawing
// included (elsewhere the procedure as written may corrupt the triangulation, which is why it is guarded).
TEST(Rotura_Propiedades, IgualAlProcedimientoEscritoDondeEsteEsSano) {
  int iguales = 0, total = 0;
  for (Terreno_Prueba& t : Terrenos_De_Prueba(21)) {
    SCOPED_TRACE(t.nombre);
    Generador g(t, 77);
    for (int k = 0; k < 30; ++k, ++total) {
      Estado_Rotura guardado = Estado_De(t.m, Segmentos_De({g.Polilinea(2 + k % 4)})), escrito = guardado;
      auto sup_guardado = Superficie_Nueva();
      const auto r_guardado = Mete_Roturas(guardado, *Crea_Busqueda_Indexada(guardado));
      auto sup_escrito = Superficie_Nueva();
      const auto r_escrito = Mete_Roturas_Literal(escrito);
      const Estadistica_Rotura& c = guardado.Cuentas;
      if (c.Corredores != 0 || c.Sin_Forzar != 0 || c.Ya_Aristas != 0 || c.Partidos != 0) continue;
      ++iguales;
      ASSERT_EQ(sup_guardado->Llamadas(), sup_escrito->Llamadas()) << k;
      const auto registros = [](const std::vector<Triang_Rot>& r) {
        std::vector<std::array<Long, 4>> v;
        for (const Triang_Rot& t : r) v.push_back({t.Num, t.V1, t.V2, t.V3});
        return v;
      };
      ASSERT_EQ(registros(r_guardado), registros(r_escrito)) << k;
    }
  }
  EXPECT_GT(iguales, total / 2);
}

// Lines in every direction with survey points strewn along them, exactly on them (whole coordinates) and a few
// millimetres off, before and beyond the segment: the indexed search for the triangles a segment can cut finds
// every one that the segment test says it meets.
TEST(Rotura_Propiedades, LaBusquedaIndexadaHallaCadaTrianguloQueCorta) {
  for (std::uint64_t semilla = 1; semilla <= 4 * Semillas("TRILAT_SEMILLAS_ROTURA"); ++semilla) {
    std::mt19937_64 rng(semilla);
    std::uniform_real_distribution<double> U(0, 100);
    std::uniform_int_distribution<int> entero(-9, 9), paso(-5, 6);
    const double x0 = semilla % 2 ? 431250 : 0, y0 = semilla % 2 ? 4581430 : 0;
    Nube c;
    const auto pon = [&](double x, double y) { c.x.push_back(x0 + x), c.y.push_back(y0 + y), c.z.push_back(0); };
    for (int k = 0; k < 300; ++k) pon(U(rng), U(rng));
    std::vector<std::array<Vert, 2>> lineas;
    for (int l = 0; l < 8; ++l) {
      // Along an axis, a diagonal, or any whole direction.
      const std::array<Vert, 4> fijas{Vert{9, 0}, Vert{0, 9}, Vert{7, 7}, Vert{6, -6}};
      Vert d = l < 4 ? fijas[static_cast<std::size_t>(l)] : Vert{0, 0};
      while (d.X == 0 && d.Y == 0) d = {static_cast<double>(entero(rng)), static_cast<double>(entero(rng))};
      const double ax = std::floor(U(rng)), ay = std::floor(U(rng));
      for (int k = 0; k < 12; ++k) {
        const double t = paso(rng), e = k % 3 == 0 ? 0.003 * (k % 2 ? 1 : -1) : 0;
        pon(ax + t * d.X - e * d.Y, ay + t * d.Y + e * d.X);
      }
      lineas.push_back({Vert{x0 + ax, y0 + ay}, Vert{x0 + ax + d.X, y0 + ay + d.Y}});
    }
    const Estado_Rotura s = Estado_De(Triangulado(c, 1e5), {});
    const auto busqueda = Crea_Busqueda_Indexada(s);
    // Each line asked for again and again: cells crossed often are searched otherwise than cells crossed once.
    for (int vez = 0; vez < 12 * static_cast<int>(lineas.size()); ++vez) {
      const auto& [A, B] = lineas[static_cast<std::size_t>(vez) % lineas.size()];
      std::vector<Long> halladas;
      busqueda->Cortables(A, B, halladas);
      for (Long t = 1; t <= s.Triangs.UBound(); ++t) {
        const Triang_Rot& r = s.Triangs(t);
        const Vert P[3] = {s.Coord(r.V1), s.Coord(r.V2), s.Coord(r.V3)};
        bool corta = false;
        for (const auto& [p, q] : {std::pair{P[0], P[1]}, std::pair{P[2], P[1]}, std::pair{P[2], P[0]}}) {
          const Long codigo = Corte_Segmentos(p.X, p.Y, q.X, q.Y, A.X, A.Y, B.X, B.Y);
          corta = corta || codigo == kSe_Cortan || codigo == kMismo_Segmento;
        }
        if (!corta) continue;
        ASSERT_TRUE(std::binary_search(halladas.begin(), halladas.end(), t))
            << "seed " << semilla << ", triangle " << t;
      }
    }
  }
}

// The distance between two segments, as long doubles (far finer than the millimetre the tests below look at).
long double Distancia_Segmentos(const Vert& a, const Vert& b, const Vert& c, const Vert& d) {
  const auto al_segmento = [](const Vert& p, const Vert& u, const Vert& v) {
    const long double ux = static_cast<long double>(v.X) - u.X, uy = static_cast<long double>(v.Y) - u.Y;
    const long double px = static_cast<long double>(p.X) - u.X, py = static_cast<long double>(p.Y) - u.Y;
    const long double l2 = ux * ux + uy * uy;
    const long double t = l2 > 0 ? std::clamp((px * ux + py * uy) / l2, 0.0L, 1.0L) : 0.0L;
    return std::hypot(px - t * ux, py - t * uy);
  };
  const int o1 = Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y), o2 = Orientacion(a.X, a.Y, b.X, b.Y, d.X, d.Y);
  const int o3 = Orientacion(c.X, c.Y, d.X, d.Y, a.X, a.Y), o4 = Orientacion(c.X, c.Y, d.X, d.Y, b.X, b.Y);
  if (o1 * o2 < 0 && o3 * o4 < 0) return 0;
  return std::min({al_segmento(a, c, d), al_segmento(b, c, d), al_segmento(c, a, b), al_segmento(d, a, b)});
}

// Pairs of segments on one line (overlapping, touching, or far apart), a few millimetres beside it, crossing it,
// and scattered, with whole, decimal and UTM-sized coordinates, against exact geometry: the test finds segments
// meeting only where they come within its 0.001 tilt of each other, and finds every clear crossing and every
// overlap along a line.
TEST(Rotura_Propiedades, CorteDeSegmentosSoloDondeSeAlcanzan) {
  int cruces = 0, solapes = 0, apartados = 0;
  for (std::uint64_t semilla = 1; semilla <= 40 * Semillas("TRILAT_SEMILLAS_ROTURA"); ++semilla) {
    std::mt19937_64 rng(semilla);
    std::uniform_int_distribution<int> entero(-9, 9), lugar(-40, 40), forma(0, 3);
    std::uniform_real_distribution<double> U(-50, 50);
    const double x0 = semilla % 3 == 0 ? 431250.37 : 0, y0 = semilla % 3 == 0 ? 4581430.81 : 0;
    const double escala = semilla % 2 ? 1 : 0.1;  // whole or decimal steps
    for (int k = 0; k < 200; ++k) {
      Vert d{static_cast<double>(entero(rng)), static_cast<double>(entero(rng))};
      if (d.X == 0 && d.Y == 0) d.X = 1;
      const Vert o{x0 + lugar(rng) * escala, y0 + lugar(rng) * escala};
      const auto en_linea = [&](int t, double aparte) {
        return Vert{o.X + t * escala * d.X - aparte * d.Y, o.Y + t * escala * d.Y + aparte * d.X};
      };
      std::array<Vert, 4> p;
      const int f = forma(rng);
      for (std::size_t i = 0; i < 4; ++i) {
        const double aparte = f == 1 && i >= 2 ? 0.003 * (i == 2 ? 1 : -1) : f == 2 && i >= 2 ? 0.004 : 0;
        p[i] = f == 3 ? Vert{x0 + U(rng), y0 + U(rng)} : en_linea(lugar(rng), aparte);
      }
      const auto& [a, b, c, e] = p;
      if ((a.X == b.X && a.Y == b.Y) || (c.X == e.X && c.Y == e.Y)) continue;
      const Long codigo = Corte_Segmentos(a.X, a.Y, b.X, b.Y, c.X, c.Y, e.X, e.Y);
      if (codigo == kMismo_Segmento || codigo == kExtremo_Comun) continue;
      const long double distancia = Distancia_Segmentos(a, b, c, e);
      SCOPED_TRACE(::testing::Message() << "seed " << semilla << ", pair " << k << ", distance " << distancia);
      const int o1 = Orientacion(a.X, a.Y, b.X, b.Y, c.X, c.Y), o2 = Orientacion(a.X, a.Y, b.X, b.Y, e.X, e.Y);
      const int o3 = Orientacion(c.X, c.Y, e.X, e.Y, a.X, a.Y), o4 = Orientacion(c.X, c.Y, e.X, e.Y, b.X, b.Y);
      const bool en_una_linea = o1 == 0 && o2 == 0 && o3 == 0 && o4 == 0;
      // A clear crossing: each end at least a micrometre off the other's line (axis-parallel S is tilted).
      const bool claro = a.X != b.X && a.Y != b.Y && o1 * o2 < 0 && o3 * o4 < 0 &&
                         std::min(Distancia_Segmentos(a, a, c, e), Distancia_Segmentos(b, b, c, e)) > 1e-6L &&
                         std::min(Distancia_Segmentos(c, c, a, b), Distancia_Segmentos(e, e, a, b)) > 1e-6L;
      if (codigo == kSe_Cortan) {
        // The tilt moves an end of an axis-parallel S by 0.001 in X and in Y.
        EXPECT_LE(distancia, 0.0015L);
        cruces += claro ? 1 : 0;
        solapes += en_una_linea ? 1 : 0;
      } else {
        EXPECT_FALSE(claro);
        EXPECT_FALSE(en_una_linea && distancia == 0 && a.X != b.X && a.Y != b.Y);
        apartados += en_una_linea && distancia > 1 ? 1 : 0;
      }
    }
  }
  // Each case was drawn often.
  EXPECT_GT(cruces, 1000);
  EXPECT_GT(solapes, 300);
  EXPECT_GT(apartados, 200);
}

// The cavity's edges with every diagonal tried against every outline side and listed edge in turn.
std::vector<std::pair<Long, Long>> Lados_Probando_Todos(const Estado_Rotura& s, Long a, Long b,
                                                        const HostArray<Long>& A, Long n) {
  std::vector<std::pair<Long, Long>> lados{{a, b}};
  for (Long i = 2; i <= n; ++i) lados.emplace_back(A(i - 1), A(i));
  lados.emplace_back(A(n), A(1));
  const auto corta = [&](Long p, Long q, Long u, Long v) {
    const Vert P = s.Coord(p), Q = s.Coord(q), U = s.Coord(u), V = s.Coord(v);
    const Long codigo = Corte_Segmentos(P.X, P.Y, Q.X, Q.Y, U.X, U.Y, V.X, V.Y);
    return codigo == kSe_Cortan || codigo == kMismo_Segmento;
  };
  const auto prueba = [&](Long e, Long v, bool contra_contorno) {
    for (Long j = 2; contra_contorno && j <= n; ++j)
      if (corta(A(j - 1), A(j), e, v)) return;
    for (const auto& [p, q] : lados)
      if (corta(e, v, p, q)) return;
    Long Loc = 0;
    const Vert medio{(s.Coord(e).X + s.Coord(v).X) / 2, (s.Coord(e).Y + s.Coord(v).Y) / 2};
    if (Es_Verdadero(Pto_en_Poligono(s.Coord, A, n, medio.X, medio.Y, &Loc))) lados.emplace_back(e, v);
  };
  for (Long i = 1; i <= n; ++i) {
    if (A(i) == a || A(i) == b) continue;
    prueba(a, A(i), true);
    prueba(b, A(i), true);
  }
  for (Long i = 1; i <= n; ++i)
    for (Long j = i + 1; j <= n; ++j) prueba(A(i), A(j), false);
  return lados;
}

// The cavities of segments long and short, across holes and through vertices: their edges are those of the plain
// procedure, which tries every diagonal against every edge.
TEST(Rotura_Propiedades, LadosDeCavidadComoProbandoCadaArista) {
  Long mayor = 0;
  for (Terreno_Prueba& t : Terrenos_De_Prueba(5)) {
    SCOPED_TRACE(t.nombre);
    Generador g(t, 91);
    const Estado_Rotura s = Estado_De(t.m, {});
    std::vector<Long> todos(static_cast<std::size_t>(s.Triangs.UBound()));
    std::iota(todos.begin(), todos.end(), 1);
    Superficie_Nueva();
    for (int k = 0; k < 40; ++k) {
      const auto ab = g.Segmento();
      const Long a = ab[0], b = ab[1];
      const std::vector<Cortado> cortados = Busca_Cortados(s, a, b, todos);
      Long nAnillo = 0;
      const HostArray<Long> Anillo = Contorno_Cortados(cortados, nAnillo);
      if (cortados.empty() || nAnillo < 3) continue;
      mayor = std::max(mayor, nAnillo);
      std::vector<std::pair<Long, Long>> lados;
      for (const Lado& l : Lados_Cavidad(s, a, b, Anillo, nAnillo)) lados.emplace_back(l.P1, l.P2);
      ASSERT_EQ(lados, Lados_Probando_Todos(s, a, b, Anillo, nAnillo)) << a << "-" << b;
    }
  }
  EXPECT_GT(mayor, 30);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
