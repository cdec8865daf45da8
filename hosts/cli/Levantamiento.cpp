#include "hosts/cli/Levantamiento.h"

#include <charconv>
#include <cmath>
#include <fstream>

namespace Vyr_Trilat::anfitrion {

namespace {

std::string Donde(const std::filesystem::path& ruta, std::size_t linea) {
  return ruta.string() + ":" + std::to_string(linea) + ": ";
}

std::vector<std::string_view> Campos(std::string_view s) {
  std::vector<std::string_view> r;
  std::size_t ini = 0;
  for (;;) {
    const auto fin = s.find(',', ini);
    auto campo = s.substr(ini, fin == std::string_view::npos ? std::string_view::npos : fin - ini);
    while (!campo.empty() && (campo.front() == ' ' || campo.front() == '\t')) campo.remove_prefix(1);
    while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t' || campo.back() == '\r'))
      campo.remove_suffix(1);
    r.push_back(campo);
    if (fin == std::string_view::npos) return r;
    ini = fin + 1;
  }
}

template <typename T>
bool Convierte(std::string_view s, T& v) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

}  // namespace

Levantamiento Lee_Puntos(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) throw Error_Entrada(ruta.string() + ": cannot open the points file");
  Levantamiento lev;
  std::string linea;
  std::size_t num_linea = 0;
  bool cabecera = true;
  while (std::getline(f, linea)) {
    ++num_linea;
    if (cabecera) {
      cabecera = false;
      continue;
    }
    if (linea.find_first_not_of(" \t\r") == std::string::npos) continue;
    const auto c = Campos(linea);
    if (c.size() < 4) throw Error_Entrada(Donde(ruta, num_linea) + "expected n,x,y,z");
    std::int64_t n = 0;
    if (!Convierte(c[0], n) || n <= 0)
      throw Error_Entrada(Donde(ruta, num_linea) + "point number '" + std::string(c[0]) + "' is not a positive integer");
    double v[3];
    static constexpr const char* kNombres[] = {"x", "y", "z"};
    for (int k = 0; k < 3; ++k)
      if (!Convierte(c[static_cast<std::size_t>(k + 1)], v[k]) || !std::isfinite(v[k]))
        throw Error_Entrada(Donde(ruta, num_linea) + kNombres[k] + " '" + std::string(c[static_cast<std::size_t>(k + 1)]) +
                            "' is not a finite number");
    const auto pos = static_cast<std::int32_t>(lev.size() + 1);
    if (!lev.posicion.emplace(n, pos).second)
      throw Error_Entrada(Donde(ruta, num_linea) + "point number " + std::to_string(n) + " is repeated");
    lev.numeros.push_back(n);
    lev.x.push_back(v[0]);
    lev.y.push_back(v[1]);
    lev.z.push_back(v[2]);
  }
  if (f.bad()) throw Error_Entrada(ruta.string() + ": cannot read the points file");
  if (lev.size() == 0) throw Error_Entrada(ruta.string() + ": the file holds no points");
  return lev;
}

}  // namespace Vyr_Trilat::anfitrion
