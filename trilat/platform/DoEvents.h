// The host's message loop: long computations call DoEvents where they let the host run (repaint, read
// progress, press an abort button). The host installs what that means for its thread.
#pragma once

#include <functional>

namespace Vyr_Trilat {

using Bucle_Mensajes = std::function<void()>;

void DoEvents();

// Installs this thread's message-loop hook and returns the previous one (empty: nothing runs).
Bucle_Mensajes Instala_Bucle_Mensajes(Bucle_Mensajes b);

}  // namespace Vyr_Trilat
