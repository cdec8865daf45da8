#include "hosts/cli/Carpeta_Salida.h"

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "hosts/cli/Interrupcion.h"
#include "hosts/support/Descriptor.h"

namespace Vyr_Trilat::anfitrion {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPreparacion = ".trilat-staging-";
constexpr const char* kApartados = ".anteriores";  // inside the staging folder: what publishing replaces

// The staging folders that no running job holds: left by jobs ended by force (a second Ctrl-C, a kill). The lock,
// unlike a process number, is seen from every process that shares the folder. One holding files that a failed
// publishing could not put back keeps them for the user.
void Quita_Preparaciones_Huerfanas(const fs::path& carpeta) {
  std::vector<fs::path> huerfanas;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) {
    std::error_code vacia;
    if (e.path().filename().string().starts_with(kPreparacion) && (fs::is_empty(e.path() / kApartados, vacia) || vacia))
      huerfanas.push_back(e.path());
  }
  for (const auto& h : huerfanas) {
    // Removed while locked: a job that has just made it checks, once it holds the lock, that it is still there.
    const Descriptor d = Abre_Carpeta(h);
    if (d.Abierto() && d.Intenta_Bloquear()) fs::remove_all(h, ec);
  }
}

// The signals that ask a job to stop wait while the folder changes.
class Senales_En_Espera {
 public:
  Senales_En_Espera() {
    sigset_t senales;
    sigemptyset(&senales);
    for (const int s : kSenales_De_Fin) sigaddset(&senales, s);
    pthread_sigmask(SIG_BLOCK, &senales, &antes_);
  }
  ~Senales_En_Espera() { pthread_sigmask(SIG_SETMASK, &antes_, nullptr); }
  Senales_En_Espera(const Senales_En_Espera&) = delete;
  Senales_En_Espera& operator=(const Senales_En_Espera&) = delete;

 private:
  sigset_t antes_;
};

}  // namespace

Carpeta_Salida::Carpeta_Salida(fs::path destino) : destino_(std::move(destino)) {
  std::error_code ec;
  for (fs::path p = destino_; !p.empty() && !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path())
    creadas_.push_back(p);
  fs::create_directories(destino_, ec);
  if (ec || !fs::is_directory(destino_)) {
    Quita_Creadas();
    throw std::runtime_error("cannot create the output folder " + destino_.string() +
                             (ec ? ": " + ec.message() : ": a file of that name is in the way"));
  }
  Quita_Preparaciones_Huerfanas(destino_);
  // A name no other job has, locked, and still the folder of that name once locked (see above).
  int error = 0;
  for (int intento = 0; !cerrojo_.Abierto() && intento < 8; ++intento) {
    std::string plantilla = (destino_ / (std::string(kPreparacion) + "XXXXXX")).string();
    if (::mkdtemp(plantilla.data()) == nullptr) {
      error = errno;
      break;
    }
    Descriptor d = Abre_Carpeta(plantilla);
    // A file system that keeps no locks takes it unlocked: no job there takes another's for a stale one either.
    const bool tomada = d.Abierto() && (d.Intenta_Bloquear() || errno != EWOULDBLOCK);
    struct stat nombrada {
    }, abierta{};
    if (tomada && ::stat(plantilla.c_str(), &nombrada) == 0 && ::fstat(d.fd(), &abierta) == 0 &&
        nombrada.st_dev == abierta.st_dev && nombrada.st_ino == abierta.st_ino) {
      cerrojo_ = std::move(d);
      preparacion_ = plantilla;
    }
  }
  if (!cerrojo_.Abierto()) {
    Quita_Creadas();
    throw std::runtime_error("cannot write into the output folder " + destino_.string() +
                             (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
  }
}

Carpeta_Salida::~Carpeta_Salida() {
  std::error_code ec;
  if (!conserva_) fs::remove_all(preparacion_, ec);
  if (!publicada_) Quita_Creadas();
}

std::string Carpeta_Salida::En_Destino(std::string mensaje) const {
  const std::string preparacion = preparacion_.string(), destino = destino_.string();
  for (auto p = mensaje.find(preparacion); p != std::string::npos; p = mensaje.find(preparacion, p + destino.size()))
    mensaje.replace(p, preparacion.size(), destino);
  return mensaje;
}

void Carpeta_Salida::Quita_Creadas() const {
  std::error_code ec;
  for (const auto& p : creadas_) fs::remove(p, ec);  // only when empty: they held nothing before
}

void Carpeta_Salida::Publica() {
  std::vector<fs::path> nombres;
  for (const auto& e : fs::directory_iterator(preparacion_)) nombres.push_back(e.path().filename());
  // A folder cannot take a file's place nor a file a folder's: refused before anything is moved.
  for (const auto& n : nombres) {
    std::error_code ec;
    const auto viejo = fs::status(destino_ / n, ec);
    if (fs::exists(viejo) && fs::is_directory(viejo) != fs::is_directory(preparacion_ / n))
      throw std::runtime_error("cannot write " + (destino_ / n).string() + ": a " +
                               (fs::is_directory(viejo) ? "folder" : "file") + " of that name is in the way");
  }
  // Jobs publishing into one folder take turns, so that two never leave a mix of their files.
  const Descriptor turno = Abre_Carpeta(destino_);
  if (turno.Abierto()) turno.Bloquea();
  const Senales_En_Espera espera;
  Mueve_Todo(nombres);
  // The files replaced go now, not with the staging folder: a process ended right after this leaves none of them.
  std::error_code ec;
  fs::remove_all(preparacion_ / kApartados, ec);
  publicados_ = std::move(nombres);
  publicada_ = true;
}

void Carpeta_Salida::Mueve_Todo(const std::vector<fs::path>& nombres) {
  // What is replaced or retired is first moved aside, so that a move that fails can put everything back.
  std::vector<fs::path> aparte = nombres;
  for (const auto& n : retirados_) {
    std::error_code ec;
    if (std::find(aparte.begin(), aparte.end(), n) == aparte.end() && fs::is_regular_file(destino_ / n, ec))
      aparte.push_back(n);
  }
  const fs::path apartados = preparacion_ / kApartados;
  std::vector<fs::path> apartado, puesto;
  try {
    fs::create_directory(apartados);
    for (const auto& n : aparte) {
      std::error_code ec;
      if (!fs::exists(fs::symlink_status(destino_ / n, ec))) continue;
      fs::rename(destino_ / n, apartados / n);
      apartado.push_back(n);
    }
    for (const auto& n : nombres) {
      fs::rename(preparacion_ / n, destino_ / n);
      puesto.push_back(n);
    }
  } catch (const fs::filesystem_error& e) {
    std::error_code ec;
    for (const auto& n : puesto) fs::rename(destino_ / n, preparacion_ / n, ec);
    for (const auto& n : apartado) {
      std::error_code vuelta;
      fs::rename(apartados / n, destino_ / n, vuelta);
      conserva_ = conserva_ || vuelta;  // the user's file must not be removed with the staging folder
    }
    throw std::runtime_error("cannot move the results into " + destino_.string() + ": " + e.code().message() +
                             (conserva_ ? "; the files they were to replace are in " + apartados.string() : ""));
  }
}

}  // namespace Vyr_Trilat::anfitrion
