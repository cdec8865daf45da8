// trilat: the command-line host of the terrain-model library.
#include <iostream>
#include <memory>

#include "hosts/cli/Levantamiento.h"
#include "hosts/cli/Texto_Visible.h"
#include "hosts/cli/Trabajo.h"
#include "hosts/support/Acceso_Archivos_Posix.h"

int main(int argc, char** argv) {
  using namespace Vyr_Trilat::anfitrion;
  // Jobs that share a settings file take turns changing it, and what they remember is on disk when they end.
  Vyr_Trilat::Instala_Acceso_Archivos(std::make_shared<Acceso_Archivos_Posix>());
  try {
    const Opciones o = Lee_Opciones(std::vector<std::string>(argv + 1, argv + argc));
    if (o.orden == "help") {
      std::cout << Texto_Ayuda();
      return 0;
    }
    if (o.orden == "version") {
      std::cout << "trilat " << TRILAT_VERSION << '\n';
      return 0;
    }
    return Ejecuta(o);
  } catch (const Error_Uso& e) {
    std::cerr << "trilat: " << Texto_Visible(e.what()) << "\n(trilat --help for usage)\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "trilat: " << Texto_Visible(e.what()) << '\n';
    return 1;
  }
}
