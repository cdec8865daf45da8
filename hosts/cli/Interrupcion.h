// Ctrl-C during a job, or a request to end it (SIGTERM, SIGHUP when the terminal closes): the first one is remembered
// and the job stops at its next chance (the triangulation through its abort request, from the message loop),
// removing what it staged; a second one of the same kind ends the process at once.
#pragma once

#include <csignal>

namespace Vyr_Trilat::anfitrion {

// The signals that ask a job to stop.
inline constexpr int kSenales_De_Fin[] = {SIGINT, SIGTERM, SIGHUP};

void Atiende_Interrupcion();
bool Interrupcion_Pedida();

// The exit status of a job so stopped: 128 plus the signal's number (130 for Ctrl-C).
int Salida_Interrumpida();

}  // namespace Vyr_Trilat::anfitrion
