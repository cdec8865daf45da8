#include "hosts/cli/Lectura_Tin.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "hosts/cli/Linea_Texto.h"
#include "hosts/cli/Numero_Texto.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/common/Triangulos_Por_Celdas.h"
#include "trilat/platform/Triangulos_Anfitrion.h"

namespace Vyr_Trilat::anfitrion {

namespace {

// The comma-separated fields of a row, blanks around each left out.
std::vector<std::string_view> Campos_Fila(std::string_view fila) {
  std::vector<std::string_view> campos;
  for (;;) {
    const auto coma = fila.find(',');
    std::string_view campo = fila.substr(0, coma);
    const auto ini = campo.find_first_not_of(" \t\r");
    campo = ini == std::string_view::npos ? std::string_view{}
                                          : campo.substr(ini, campo.find_last_not_of(" \t\r") - ini + 1);
    campos.push_back(campo);
    if (coma == std::string_view::npos) return campos;
    fila.remove_prefix(coma + 1);
  }
}

}  // namespace

Tin_Leido Lee_Tin(const std::filesystem::path& ruta, const Levantamiento& lev) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) throw Error_Entrada(ruta.string() + ": cannot open the triangulation file");
  std::vector<std::array<Long, 3>> triangulos;
  std::vector<std::size_t> filas;  // the line of each triangle
  std::string texto;
  for (std::size_t n = 1; std::getline(f, texto); ++n) {
    const auto donde = [&] { return ruta.string() + ":" + std::to_string(n) + ": "; };
    const auto campos = Campos_Fila(Sin_Marca_De_Orden(texto, n, ruta));
    if (n == 1) {
      if (campos != std::vector<std::string_view>{"index", "v1", "v2", "v3"})
        throw Error_Entrada(donde() + "expected the header index,v1,v2,v3");
      continue;
    }
    if (campos.size() == 1 && campos[0].empty()) continue;
    if (campos.size() != 4) throw Error_Entrada(donde() + "expected index,v1,v2,v3");
    std::int64_t indice = 0;
    if (!Lee_Numero(campos[0], indice))
      throw Error_Entrada(donde() + "index '" + std::string(campos[0]) + "' is not a whole number");
    if (indice != static_cast<std::int64_t>(triangulos.size()))
      throw Error_Entrada(donde() + "index " + std::to_string(indice) + " out of sequence (expected " +
                          std::to_string(triangulos.size()) + ")");
    std::array<Long, 3> t{};
    for (std::size_t k = 0; k < 3; ++k) {
      std::int64_t numero = 0;
      if (!Lee_Numero(campos[k + 1], numero))
        throw Error_Entrada(donde() + "'" + std::string(campos[k + 1]) + "' is not a point number");
      const auto it = lev.posicion.find(numero);
      if (it == lev.posicion.end())
        throw Error_Entrada(donde() + "point " + std::to_string(numero) + " is not in the survey");
      t[k] = it->second;
    }
    if (t[0] == t[1] || t[1] == t[2] || t[0] == t[2])
      throw Error_Entrada(donde() + "a triangle needs three different points");
    triangulos.push_back(t);
    filas.push_back(n);
  }
  if (f.bad()) throw Error_Entrada(ruta.string() + ": cannot read the triangulation file");
  if (triangulos.empty()) throw Error_Entrada(ruta.string() + ": the file holds no triangles");
  // A triangle listed twice would double every contour through it, and so would one lying over another; one whose
  // corners lie on a line has no slope to contour. Each is named at its line, with the earlier triangle it meets.
  std::vector<Vert> puntos(lev.x.size());
  for (std::size_t k = 0; k < puntos.size(); ++k) puntos[k] = {lev.x[k], lev.y[k]};
  // Coordinates beyond the range where the exact tests hold (no survey has them) are not judged.
  const auto juzgable = [](const Vert& v) {
    return Triangulacion_Delaunay::Coordenada_Admitida(v.X) && Triangulacion_Delaunay::Coordenada_Admitida(v.Y);
  };
  Triangulos_Por_Celdas anteriores(puntos, 2 * triangulos.size());
  std::vector<std::array<Long, 3>> esquinas(triangulos.size());  // from 0, each triangle's in ascending order
  for (std::size_t k = 0; k < triangulos.size(); ++k) {
    const auto donde = [&] {
      return ruta.string() + ":" + std::to_string(filas[k]) + ": triangle " + std::to_string(k) + " ";
    };
    auto& t = esquinas[k];
    for (std::size_t c = 0; c < 3; ++c) t[c] = triangulos[k][c] - 1;
    std::sort(t.begin(), t.end());
    const Triangulo_Plano e = Esquinas_De_Triangulo(puntos, t);
    if (!juzgable(e[0]) || !juzgable(e[1]) || !juzgable(e[2])) continue;
    if (Orientacion(e[0].X, e[0].Y, e[1].X, e[1].Y, e[2].X, e[2].Y) == 0)
      throw Error_Entrada(donde() + "has no area: its corners lie on a line");
    // The earlier triangles overlap nowhere, so one that this repeats is the only one it meets.
    const auto tk = En_Sentido_Antihorario(e[0], e[1], e[2]);
    std::size_t otro = k;
    anteriores.Alguno(t, [&](std::size_t j) {
      if (j < otro && Se_Solapan(Esquinas_De_Triangulo(puntos, esquinas[j]), tk)) otro = j;
      return false;
    });
    if (otro < k)
      throw Error_Entrada(donde() + (esquinas[otro] == t ? "repeats" : "overlaps") + " triangle " +
                          std::to_string(otro));
    anteriores.Agrega(t, k);
  }
  Tin_Leido tin;
  Llena_Triangulos(triangulos, tin.nTri, tin.Vt1, tin.Vt2, tin.Vt3);
  return tin;
}

}  // namespace Vyr_Trilat::anfitrion
