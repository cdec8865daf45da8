// The indexed construction against the plain scans on many generated point sets: the same triangles in the
// same order with the same edge flags, scan limits, messages and progress writes.
#include <gtest/gtest.h>

#include "tests/support/Barrido_Literal.h"
#include "tests/support/Triangula.h"
#include "trilat/c_Triangulos/Barrido_Rapido.h"

namespace Vyr_Trilat::prueba {
namespace {

// The working tables as a construction leaves them, before the run releases the corners.
thread_local Estado_Triangulos tablas;

template <c_Triangulos::Construccion construye>
bool Y_Guarda(Estado_Triangulos& s) {
  const bool r = construye(s);
  tablas = s;
  return r;
}
// With the points' bounds prepared in stretches of 500 on as many threads as there are.
bool Repartido(Estado_Triangulos& s) { return Barrido_Rapido(s, 500).Construye(); }

struct Corrida {
  Resultado r;
  Estado_Triangulos tablas;
  Registro progreso;
};

Corrida Corre(c_Triangulos::Construccion construye, const Nube& c, double dist_max) {
  c_Triangulos t(construye);
  auto registro = std::make_shared<Registro>();
  Prepara_Dibujo(t, nullptr, std::make_shared<Progreso_Grabador>(registro));
  t.Parametros_Directos(dist_max, False, 0);
  Arrays_Anfitrion a(c);
  const Resultado r = Calcula(t, a);
  return {r, tablas, *registro};
}

// Stretched along the sweep by `veces`, at survey-sized coordinates.
Nube Alarga(Nube c, double veces) {
  for (double& x : c.x) x = 500000 + veces * x;
  for (double& y : c.y) y += 4500000;
  return c;
}

std::string Caso(Forma f, std::uint64_t semilla, double dist_max) {
  return Nombre(f) + " semilla " + std::to_string(semilla) + " Dist_Max " + std::to_string(dist_max);
}

void Compara(const Corrida& a, const Corrida& b, const std::string& caso) {
  SCOPED_TRACE(caso);
  ASSERT_EQ(a.tablas.count, b.tablas.count);
  const auto fila = [](const Triangulos_Trabajo& T, std::size_t t) {
    return std::tuple(T.V1[t], T.V2[t], T.V3[t], T.Lado12[t], T.Lado13[t], T.Lado23[t], T.Cerrado[t], T.Excluido[t]);
  };
  for (std::size_t t = 0; t < static_cast<std::size_t>(a.tablas.count); ++t)
    ASSERT_EQ(fila(a.tablas.Triangs, t), fila(b.tablas.Triangs, t)) << "triangle " << t;
  const auto limites = [](const Estado_Triangulos& s) {
    return std::tuple(s.Primer_Tri, s.Primer_Pto, s.Punto_Actual, s.Contador_Lados);
  };
  EXPECT_EQ(limites(a.tablas), limites(b.tablas));
  EXPECT_EQ(a.r.nTri, b.r.nTri);
  EXPECT_EQ(a.r.mensajes, b.r.mensajes);
  EXPECT_EQ(a.progreso, b.progreso);
}

// Sizes and limits chosen so that the scan limits move: a maximum side small against the site makes triangles
// fall behind the sweep and the first point of each scan advance. TRILAT_SEMILLAS_BARRIDO=k runs k times as
// many seeds, for a longer search.
TEST(Barrido_Diferencial, MismaConstruccionQueLosRecorridosLiterales) {
  for (Forma f : {Forma::Uniforme, Forma::Agrupada, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada,
                  Forma::Duplicados, Forma::Pocos, Forma::Filas_Niveladas, Forma::Atipica})
    for (std::uint64_t semilla = 1; semilla <= 5 * Semillas("TRILAT_SEMILLAS_BARRIDO"); ++semilla)
      for (double dist_max : {500.0, 40.0, 6.0, 2.5}) {
        const bool utm = semilla % 2 == 1;
        const Nube c = Genera(f, 150 + 60 * (semilla % 8), 200, semilla * 31 + 7, utm ? 500000 : 0, utm ? 4500000 : 0);
        Compara(Corre(Y_Guarda<Construye_Literal>, c, dist_max), Corre(Y_Guarda<Construye_Rapido>, c, dist_max),
                Caso(f, semilla, dist_max));
      }
}

// Larger sets with a short maximum side, in a strip eight times longer than wide along the sweep: the sweep leaves
// most points unconnected and passes over long runs of them whole, pass after pass; points at the survey's edges
// lie beyond the grid of the indexes. Also with the bounds prepared on several threads.
TEST(Barrido_Diferencial, MismaConstruccionEnConjuntosMayores) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla_Movida, Forma::Filas_Niveladas, Forma::Alineada, Forma::Atipica})
    for (std::uint64_t semilla = 1; semilla <= 2 * Semillas("TRILAT_SEMILLAS_BARRIDO"); ++semilla)
      for (double dist_max : {20.0, 8.0}) {
        const Nube c = Alarga(Genera(f, 4000, 200, semilla * 17 + 3), 8);
        const Corrida literal = Corre(Y_Guarda<Construye_Literal>, c, dist_max);
        Compara(literal, Corre(Y_Guarda<Construye_Rapido>, c, dist_max), Caso(f, semilla, dist_max));
        Compara(literal, Corre(Y_Guarda<Repartido>, c, dist_max), Caso(f, semilla, dist_max) + " repartido");
      }
}

// Every point the indexed sweep passes over, checked the plain way: a visit to each open triangle in range would
// neither find it behind the sweep (where it moves the scan limits), nor close it, nor accept the point.
class Barrido_Vigilado : public Barrido_Rapido {
 public:
  using Barrido_Rapido::Barrido_Rapido;
  static inline long pasados = 0, faltas = 0;

 protected:
  Long Pasa_Quietos(Long i, Long tope) override {
    const Long siguiente = Barrido_Rapido::Pasa_Quietos(i, tope);
    const auto& T = s_.Triangs;
    for (Long k = i; k < siguiente; ++k) {
      if (Es_Verdadero(s_.Conectado[static_cast<std::size_t>(k)])) continue;
      ++pasados;
      const XYZ& P = s_.Puntos_Trab[static_cast<std::size_t>(k)];
      for (Long t = s_.Primer_Tri; t < s_.count; ++t) {
        const auto m = static_cast<std::size_t>(t);
        if (Es_Verdadero(T.Cerrado[m])) continue;
        const bool detras = P.X - s_.Dist_Busqueda >= s_.Puntos_Trab[static_cast<std::size_t>(T.V3[m])].X;
        faltas += detras ? !(t == s_.Primer_Tri && T.V1[m] == s_.Primer_Pto)
                         : (Es_Verdadero(T.Lado12[m]) && Es_Verdadero(T.Lado13[m]) && Es_Verdadero(T.Lado23[m])) ||
                               Aceptaria(t, k);
      }
    }
    return siguiente;
  }
};

bool Vigilado(Estado_Triangulos& s) { return Barrido_Vigilado(s).Construye(); }

TEST(Barrido_Diferencial, LosPuntosPasadosPorAltoNoTendrianEfecto) {
  for (Forma f : {Forma::Uniforme, Forma::Rejilla, Forma::Rejilla_Movida, Forma::Alineada, Forma::Filas_Niveladas})
    for (std::uint64_t semilla = 1; semilla <= 5 * Semillas("TRILAT_SEMILLAS_BARRIDO"); ++semilla)
      for (double dist_max : {500.0, 20.0, 6.0}) {
        // Strips along the sweep, as in the larger sets, for many passes; the level rows kept level, whole and
        // with a third of their points (few enough level points to be followed one by one).
        const Nube c = Genera(f, 600 + 300 * (semilla % 4), 200, semilla * 13 + 5);
        if (f == Forma::Filas_Niveladas) {
          Nube tercio;
          for (std::size_t k = 0; k < c.size(); k += 3) tercio.Pon(c.x[k], c.y[k], c.z[k]);
          Corre(Vigilado, tercio, dist_max);
        }
        Corre(Vigilado, f == Forma::Filas_Niveladas ? c : Alarga(c, 4), dist_max);
      }
  EXPECT_GT(Barrido_Vigilado::pasados, 100000);
  EXPECT_EQ(Barrido_Vigilado::faltas, 0);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
