// Writing a file so that readers see either the old file or the whole new one, never a part: the content
// goes to a temporary file beside the target, is flushed to disk, and then renamed over it.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace Vyr_Trilat::anfitrion {

// Throws std::runtime_error naming the file when it cannot be written; no temporary file is left behind.
void Escribe_Atomico(const std::filesystem::path& destino, const std::function<void(std::ostream&)>& escribe);

}  // namespace Vyr_Trilat::anfitrion
