// Modal forms. The host installs, per thread, what showing one means (a window, a prompt on a terminal, a script
// in tests). A presenter lets the user work the form through its controls' own operations, so the form's
// handlers run as they would for a person, and returns once the form is hidden or the user closes its window.
#pragma once

#include <functional>

namespace Vyr_Trilat {

class Formulario;

using Presentador_Formularios = std::function<void(Formulario&)>;

// Hands a shown form to this thread's presenter. With none installed nobody can answer, so it returns at once,
// as if the user had closed the window without choosing: no button handler runs.
void Presenta_Modal(Formulario& formulario);

// Installs a presenter for this thread and returns the previous one (empty: none).
Presentador_Formularios Instala_Presentador_Formularios(Presentador_Formularios p);

}  // namespace Vyr_Trilat
