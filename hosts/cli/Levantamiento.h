// A survey as the command-line host holds it: the points in file order with their own numbers, which the
// library sees as positions 1 to n.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace Vyr_Trilat::anfitrion {

struct Levantamiento {
  std::vector<std::int64_t> numeros;
  std::vector<double> x, y, z;
  std::unordered_map<std::int64_t, std::int32_t> posicion;  // point number -> library position (1-based)

  std::size_t size() const { return numeros.size(); }
};

// An input that cannot be used, with the file and line it came from.
class Error_Entrada : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads "n,x,y,z" rows after a header line. Refuses, naming file and line, malformed or non-numeric fields,
// coordinates that are not finite, duplicate or non-positive point numbers, and a file with no points.
Levantamiento Lee_Puntos(const std::filesystem::path& ruta);

}  // namespace Vyr_Trilat::anfitrion
