// A program run on a real pseudo-terminal and answered as a person at the keyboard would: each answer is typed
// once its prompt shows on the screen.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Vyr_Trilat::prueba {

class Sesion_Pty {
 public:
  // Runs `programa` in a child process whose standard streams are the terminal; its return is the exit status.
  explicit Sesion_Pty(const std::function<int()>& programa);
  ~Sesion_Pty();
  Sesion_Pty(const Sesion_Pty&) = delete;
  Sesion_Pty& operator=(const Sesion_Pty&) = delete;

  // Types each answer once its prompt shows after what was seen before; false when a prompt never came (ten
  // seconds of silence, or the program closed the terminal).
  bool Conversa(const std::vector<std::pair<std::string, std::string>>& dialogo);
  // Waits for the program to end and returns its exit status (-1 when it did not exit normally).
  int Termina();
  const std::string& Pantalla() const { return pantalla_; }

 private:
  bool Espera(const std::string& texto);

  pid_t hijo_ = -1;
  int maestro_ = -1;
  std::string pantalla_;
  std::size_t visto_ = 0;
};

}  // namespace Vyr_Trilat::prueba
