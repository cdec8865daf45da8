#include "tests/support/Generadores.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <random>

namespace Vyr_Trilat::prueba {

std::string Nombre(Forma f) {
  static const char* const kNombres[] = {"uniforme",   "agrupada", "rejilla",         "rejilla_movida", "alineada",
                                         "duplicados", "pocos",    "filas_niveladas", "circular",       "atipica"};
  return kNombres[static_cast<int>(f)];
}

namespace {

double Terreno(double x, double y, double lado) {
  const double u = x / lado, v = y / lado;
  return 100 + 20 * std::sin(3 * u) * std::cos(2 * v) + 15 * u - 10 * v * v;
}

}  // namespace

Nube Genera(Forma forma, std::size_t n, double lado, std::uint64_t semilla, double x0, double y0) {
  std::mt19937_64 rng(semilla);
  std::uniform_real_distribution<double> U(0, 1);
  std::normal_distribution<double> N(0, 1);
  Nube c;
  const auto pon = [&](double x, double y) { c.Pon(x0 + x, y0 + y, Terreno(x, y, lado)); };
  switch (forma) {
    case Forma::Uniforme:
      for (std::size_t i = 0; i < n; ++i) pon(U(rng) * lado, U(rng) * lado);
      break;
    case Forma::Agrupada: {
      const std::size_t grupos = 1 + n / 40;
      std::vector<std::pair<double, double>> centros;
      for (std::size_t g = 0; g < grupos; ++g) centros.emplace_back(U(rng) * lado, U(rng) * lado);
      for (std::size_t i = 0; i < n; ++i) {
        const auto& [cx, cy] = centros[i % grupos];
        pon(cx + N(rng) * lado / 20, cy + N(rng) * lado / 20);
      }
      break;
    }
    case Forma::Rejilla:
    case Forma::Rejilla_Movida: {
      const auto k = static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(n))));
      const double paso = lado / static_cast<double>(k);
      const double mueve = forma == Forma::Rejilla_Movida ? paso * 0.3 : 0;
      for (std::size_t i = 0; i < n; ++i)
        pon(static_cast<double>(i % k) * paso + (U(rng) - 0.5) * mueve,
            static_cast<double>(i / k) * paso + (U(rng) - 0.5) * mueve);
      break;
    }
    case Forma::Alineada:
      // Kerb-like runs: points along straight lines, plus some scatter between them.
      for (std::size_t i = 0; i < n; ++i) {
        if (i % 4 == 3) {
          pon(U(rng) * lado, U(rng) * lado);
        } else {
          const double t = U(rng) * lado;
          const double linea = static_cast<double>(i % 3) * lado / 3 + lado / 6;
          if (i % 2 == 0) {
            pon(t, linea);
          } else {
            pon(linea, t * 0.75);
          }
        }
      }
      break;
    case Forma::Duplicados:
      for (std::size_t i = 0; i < n; ++i) {
        if (i >= 4 && i % 3 == 0) {
          const std::size_t j = static_cast<std::size_t>(U(rng) * static_cast<double>(c.size()));
          const double desvio[] = {0, 1e-9, 0.01, 0.019, 0.03};
          const double d = desvio[i % 5];
          c.Pon(c.x[j] + d, c.y[j] - d, c.z[j]);
        } else {
          pon(U(rng) * lado, U(rng) * lado);
        }
      }
      break;
    case Forma::Filas_Niveladas: {
      // The working coordinates turn the survey 0.05 grads clockwise.
      const double pendiente = std::tan(0.05 * std::numbers::pi / 200);
      const std::size_t filas = 1 + n / 25;
      const double paso = lado / static_cast<double>(filas);
      for (std::size_t i = 0; i < n; ++i) {
        const double x = U(rng) * lado;
        pon(x, static_cast<double>(i % filas) * paso + x * pendiente + (U(rng) < 0.5 ? 0 : 1.5e-4));
      }
      break;
    }
    case Forma::Circular:
      // A tank's rim staked out at equal angles, its inside not surveyed: three points in four on one circle (as
      // their computed coordinates put them), the rest outside it.
      for (std::size_t i = 0; i < n; ++i) {
        if (i % 4 != 3) {
          const double a = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
          pon(lado / 2 + lado / 4 * std::cos(a), lado / 2 + lado / 4 * std::sin(a));
          continue;
        }
        double x, y;
        do x = U(rng) * lado, y = U(rng) * lado;
        while (std::hypot(x - lado / 2, y - lado / 2) < lado / 4 * 1.2);
        pon(x, y);
      }
      break;
    case Forma::Atipica:
      // A uniform survey with one to three points mistyped far away, each in a direction of its own.
      for (std::size_t i = 0; i < n; ++i) {
        if (i % (n / 3 + 1) == n / 6) {
          const double a = 2 * std::numbers::pi * U(rng), lejos = lado * (10 + 1000 * U(rng));
          pon(lado / 2 + lejos * std::cos(a), lado / 2 + lejos * std::sin(a));
        } else {
          pon(U(rng) * lado, U(rng) * lado);
        }
      }
      break;
    case Forma::Pocos:
      for (std::size_t i = 0; i < std::min<std::size_t>(n, 6); ++i) pon(U(rng) * lado, U(rng) * lado);
      break;
  }
  return c;
}

Nube De_Lista(const std::vector<std::pair<double, double>>& puntos) {
  Nube c;
  for (const auto& [x, y] : puntos) c.Pon(x, y);
  return c;
}

std::vector<std::pair<std::string, Nube>> Lee_Conjuntos(const std::filesystem::path& carpeta) {
  std::vector<std::pair<std::string, Nube>> r;
  for (const auto& e : std::filesystem::directory_iterator(carpeta)) {
    if (e.path().extension() != ".csv") continue;
    std::ifstream f(e.path());
    std::string linea;
    std::getline(f, linea);
    Nube c;
    double n, x, y, z;
    char coma;
    while (f >> n >> coma >> x >> coma >> y >> coma >> z) c.Pon(x, y, z);
    r.emplace_back(e.path().filename().string(), std::move(c));
  }
  std::sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return r;
}

std::uint64_t Semillas(const char* variable) {
  const char* v = std::getenv(variable);
  return v ? std::max<std::uint64_t>(1, std::strtoull(v, nullptr, 10)) : 1;
}

}  // namespace Vyr_Trilat::prueba
