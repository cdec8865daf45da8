#include "hosts/cli/Lectura_Roturas.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>

#include "hosts/cli/Linea_Texto.h"
#include "hosts/cli/Numero_Texto.h"
#include "hosts/cli/Texto_Visible.h"

namespace Vyr_Trilat::anfitrion {

std::vector<std::vector<std::int64_t>> Lee_Roturas(const std::filesystem::path& ruta, const Levantamiento& lev) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) throw Error_Entrada(ruta.string() + ": cannot open the breaklines file");
  std::vector<std::vector<std::int64_t>> lineas;
  std::string texto;
  std::size_t n = 0;
  const auto lee = [&](std::string_view resto) {
    ++n;
    const auto donde = [&] { return ruta.string() + ":" + std::to_string(n) + ": "; };
    resto = Sin_Marca_De_Orden(resto, n, ruta);
    resto = resto.substr(0, resto.find('#'));
    std::vector<std::int64_t> linea;
    for (;;) {
      const auto ini = resto.find_first_not_of(" \t,");
      if (ini == std::string_view::npos) break;
      resto.remove_prefix(ini);
      const std::string_view campo = resto.substr(0, resto.find_first_of(" \t,"));
      resto.remove_prefix(campo.size());
      std::int64_t numero = 0;
      if (!Lee_Numero(campo, numero))
        throw Error_Entrada(donde() + "'" + Texto_Visible(campo) + "' is not a point number");
      if (!lev.posicion.count(numero))
        throw Error_Entrada(donde() + "point " + std::to_string(numero) + " is not in the survey");
      linea.push_back(numero);
    }
    if (!linea.empty() && std::count(linea.begin(), linea.end(), linea.front()) == std::ssize(linea))
      throw Error_Entrada(donde() + "a breakline needs two points or more; this line has only point " +
                          std::to_string(linea.front()));
    if (!linea.empty()) lineas.push_back(std::move(linea));
  };
  while (std::getline(f, texto)) Por_Lineas(texto, lee);
  if (f.bad()) throw Error_Entrada(ruta.string() + ": cannot read the breaklines file");
  return lineas;
}

HostArray<Polilinea> Polilineas_Biblioteca(const std::vector<std::vector<std::int64_t>>& lineas,
                                           const Levantamiento& lev) {
  std::vector<std::vector<Long>> posiciones;
  for (const auto& linea : lineas) {
    posiciones.emplace_back();
    for (const std::int64_t numero : linea) posiciones.back().push_back(lev.posicion.at(numero));
  }
  return Polilineas_De(posiciones);
}

}  // namespace Vyr_Trilat::anfitrion
