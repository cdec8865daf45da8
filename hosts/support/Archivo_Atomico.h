// Writing a file so that readers see either the old file or the whole new one, never a part: the content
// goes to a temporary file beside the target, is flushed to disk, and then renamed over it.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace Vyr_Trilat::anfitrion {

// Throws std::runtime_error naming the file when it cannot be written; no temporary file is left behind.
void Escribe_Atomico(const std::filesystem::path& destino, const std::function<void(std::ostream&)>& escribe);

// For writers that create the file themselves from its name (GDAL drivers, which may add files beside it):
// `escribe` gets a path with the target's name inside a new folder beside the target, and every file it leaves
// there is then moved beside the target. Failures as above: the folder and all in it are removed.
void Escribe_Atomico_Por_Nombre(const std::filesystem::path& destino,
                                const std::function<void(const std::filesystem::path&)>& escribe);

}  // namespace Vyr_Trilat::anfitrion
