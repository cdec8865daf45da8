// Survey-like point sets for the tests: generated ones of many shapes, deterministic for a seed, and those kept in
// files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace Vyr_Trilat::prueba {

struct Nube {
  std::vector<double> x, y, z;
  std::size_t size() const { return x.size(); }
  void Pon(double px, double py, double pz = 0) {
    x.push_back(px);
    y.push_back(py);
    z.push_back(pz);
  }
};

// Filas_Niveladas: rows that the construction's working rotation lays almost level, their points a fraction of a
// millimetre up or down: sides too flat for their circles to be bounded near the point, yet not taken as level.
enum class Forma {
  Uniforme,
  Agrupada,
  Rejilla,
  Rejilla_Movida,
  Alineada,
  Duplicados,
  Pocos,
  Filas_Niveladas,
  Circular,
  Atipica
};

std::string Nombre(Forma f);

// The points of a list, at height 0.
Nube De_Lista(const std::vector<std::pair<double, double>>& puntos);

// n points of the given shape over a square of side `lado`, shifted by (x0, y0); z is a smooth terrain.
Nube Genera(Forma forma, std::size_t n, double lado, std::uint64_t semilla, double x0 = 0, double y0 = 0);

// The point sets of a folder's CSV files (n,x,y,z after a header line), with their file names, in name order.
std::vector<std::pair<std::string, Nube>> Lee_Conjuntos(const std::filesystem::path& carpeta);

// How many seeds a property test runs: one by default, more through the environment variable for a longer search.
std::uint64_t Semillas(const char* variable);

}  // namespace Vyr_Trilat::prueba
