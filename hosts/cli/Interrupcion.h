// Ctrl-C during a job: the first one is remembered and the job stops at its next chance (the triangulation
// through its abort request, from the message loop); a second one ends the process at once.
#pragma once

namespace Vyr_Trilat::anfitrion {

void Atiende_Interrupcion();
bool Interrupcion_Pedida();

// The exit status of a job stopped by Ctrl-C.
inline constexpr int kSalida_Interrumpida = 130;

}  // namespace Vyr_Trilat::anfitrion
