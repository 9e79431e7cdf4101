#include "core/base/scratch.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/base/files.h"
#include "core/base/message.h"

namespace lumeral {

ScratchFolder::ScratchFolder(const fs::path& parent) {
  static std::size_t counter = 0;
  const fs::path base = parent.empty() ? fs::path(".") : parent;
  for (int attempt = 0;; ++attempt) {
    fs::path p = base / (".lumeral-tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      path_ = std::move(p);
      return;
    }
    if (ec || attempt == 100) {
      throw Stop("Não foi possível criar a pasta temporária em \"" + display_path(base) +
                 "\": " + (ec ? ec.message() : std::string("o nome já existe")));
    }
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path ScratchFolder::new_file(const std::string& suffix) {
  return path_ / ("run" + std::to_string(next_++) + suffix);
}

RunWriter::RunWriter(fs::path p, std::size_t buffer_bytes) : path_(std::move(p)), buffer_(buffer_bytes) {
  f_ = std::fopen(path_.c_str(), "wb");
  if (!f_) throw Stop(write_error_text(path_, errno));
  std::setvbuf(f_, buffer_.data(), _IOFBF, buffer_.size());
}

RunWriter::~RunWriter() {
  if (f_) std::fclose(f_);
}

void RunWriter::write(const void* data, std::size_t bytes) {
  if (!f_ || std::fwrite(data, 1, bytes, f_) != bytes) throw Stop(write_error_text(path_, f_ ? errno : EBADF));
}

void RunWriter::close() {
  if (!f_) return;
  int rc = std::fclose(f_);
  f_ = nullptr;
  if (rc != 0) throw Stop(write_error_text(path_, errno));
}

RunReader::RunReader(fs::path p, std::size_t buffer_bytes) : path_(std::move(p)), buffer_(buffer_bytes) {
  f_ = std::fopen(path_.c_str(), "rb");
  if (!f_) throw Stop("Não foi possível ler \"" + display_path(path_) + "\": " + std::strerror(errno));
  std::setvbuf(f_, buffer_.data(), _IOFBF, buffer_.size());
}

RunReader::~RunReader() {
  if (f_) std::fclose(f_);
}

bool RunReader::read(void* data, std::size_t bytes) {
  std::size_t got = std::fread(data, 1, bytes, f_);
  if (got == bytes) return true;
  if (std::ferror(f_)) throw Stop("Não foi possível ler \"" + display_path(path_) + "\": " + std::strerror(errno));
  if (got != 0) throw Stop("O arquivo temporário \"" + display_path(path_) + "\" terminou no meio de um registro.");
  return false;
}

}  // namespace lumeral
