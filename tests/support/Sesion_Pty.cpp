#include "tests/support/Sesion_Pty.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace Vyr_Trilat::prueba {

Sesion_Pty::Sesion_Pty(const std::vector<std::string>& orden) {
  // Made before the fork: the child only replaces itself.
  std::vector<char*> argv;
  for (const std::string& a : orden) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  hijo_ = forkpty(&maestro_, nullptr, nullptr, nullptr);
  if (hijo_ < 0) throw std::runtime_error("cannot open a pseudo-terminal");
  if (hijo_ == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
}

Sesion_Pty::~Sesion_Pty() {
  if (hijo_ > 0) {
    kill(hijo_, SIGKILL);
    waitpid(hijo_, nullptr, 0);
  }
  if (maestro_ >= 0) close(maestro_);
}

bool Sesion_Pty::Lee(int ms) {
  pollfd pf{maestro_, POLLIN, 0};
  char buf[512];
  const ssize_t n = poll(&pf, 1, ms) > 0 ? read(maestro_, buf, sizeof buf) : 0;
  if (n > 0) pantalla_.append(buf, static_cast<std::size_t>(n));
  return n > 0;
}

bool Sesion_Pty::Conversa(const std::vector<std::string>& guion) {
  for (std::size_t i = 0; i + 1 < guion.size(); i += 2) {
    const std::string &pregunta = guion[i], &respuesta = guion[i + 1];
    while (pantalla_.find(pregunta, visto_) == std::string::npos)
      if (!Lee(10000)) return false;
    visto_ = pantalla_.find(pregunta, visto_) + pregunta.size();
    if (write(maestro_, respuesta.data(), respuesta.size()) != static_cast<ssize_t>(respuesta.size())) return false;
  }
  return true;
}

int Sesion_Pty::Termina() {
  // Drain the screen so the child never blocks writing to a full terminal.
  while (Lee(30000)) {
  }
  int estado = 0;
  // A program still waiting for keys after the screen went quiet is stopped: its session failed.
  if (waitpid(hijo_, &estado, WNOHANG) == 0) {
    kill(hijo_, SIGKILL);
    waitpid(hijo_, &estado, 0);
  }
  hijo_ = -1;
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

}  // namespace Vyr_Trilat::prueba
