// The main job of the command-line host: read a survey, drive the library as a host does, write the results.
#pragma once

#include "hosts/cli/Opciones.h"

namespace Vyr_Trilat::anfitrion {

// Runs the job the options describe; returns the process exit status. Messages go to standard error.
int Ejecuta(const Opciones& o);

}  // namespace Vyr_Trilat::anfitrion
