// A program run on a real pseudo-terminal and answered as a person at the keyboard would: each answer is typed
// once its prompt shows on the screen.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace Vyr_Trilat::prueba {

class Sesion_Pty {
 public:
  // Runs the program `orden[0]` with the rest as its arguments, its standard streams and controlling terminal
  // being the pseudo-terminal.
  explicit Sesion_Pty(const std::vector<std::string>& orden);
  ~Sesion_Pty();
  Sesion_Pty(const Sesion_Pty&) = delete;
  Sesion_Pty& operator=(const Sesion_Pty&) = delete;

  // `guion` holds prompts, each followed by its answer: each answer is typed once its prompt shows after what was
  // seen before; false when a prompt never came (ten seconds of silence, or the program closed the terminal).
  bool Conversa(const std::vector<std::string>& guion);
  // Sends the program a signal, as another process would.
  void Senal(int senal) const { kill(hijo_, senal); }
  // Waits for the program to end and returns its exit status (-1 when it did not exit normally).
  int Termina();
  const std::string& Pantalla() const { return pantalla_; }

 private:
  // Adds to the screen what the program shows within `ms` milliseconds; false when it showed nothing.
  bool Lee(int ms);

  pid_t hijo_ = -1;
  int maestro_ = -1;
  std::string pantalla_;
  std::size_t visto_ = 0;
};

}  // namespace Vyr_Trilat::prueba
