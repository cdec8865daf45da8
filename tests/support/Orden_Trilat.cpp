#include "tests/support/Orden_Trilat.h"

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/Lee_Archivo.h"

#ifndef TRILAT_CLI_PATH
#error "TRILAT_CLI_PATH names the built trilat command"
#endif

namespace Vyr_Trilat::prueba {

Salida_Orden Ejecuta_Trilat(const std::filesystem::path& dir, const std::string& args) {
  const auto err = dir / "err.txt";
  const std::string orden = std::string(TRILAT_CLI_PATH) + " " + args + " --quiet --settings " +
                            (dir / "settings.ini").string() + " >" + (dir / "out.txt").string() + " 2>" + err.string() +
                            " </dev/null";
  const int r = std::system(orden.c_str());
  return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lee_Archivo(err)};
}

}  // namespace Vyr_Trilat::prueba
