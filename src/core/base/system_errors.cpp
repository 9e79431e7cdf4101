#include "core/base/system_errors.h"

#include <cerrno>
#include <new>

#include "core/base/message.h"

namespace lumeral {

namespace fs = std::filesystem;

std::string system_reason(int errnum) {
  switch (errnum) {
    case ENOENT: return "Arquivo ou diretório inexistente";
    case EACCES: return "Permissão negada";
    case EPERM: return "Operação não permitida";
    case ENOSPC: return "Disco cheio";
    case EDQUOT: return "Cota de disco excedida";
    case EFBIG: return "Arquivo grande demais";
    case EISDIR: return "É um diretório";
    case ENOTDIR: return "Não é um diretório";
    case EEXIST: return "O arquivo já existe";
    case ENOTEMPTY: return "Diretório não vazio";
    case EROFS: return "Sistema de arquivos somente para leitura";
    case ENAMETOOLONG: return "Nome de arquivo longo demais";
    case ELOOP: return "Links simbólicos demais no caminho";
    case EMFILE:
    case ENFILE: return "Arquivos abertos demais";
    case EIO: return "Erro de entrada/saída";
    case EBUSY: return "Dispositivo ou recurso ocupado";
    case EXDEV: return "Não é possível mover entre sistemas de arquivos diferentes";
    case ENOMEM: return "Memória insuficiente";
    case EINVAL: return "Argumento inválido";
    case ETXTBSY: return "Arquivo em uso";
    case ENXIO:
    case ENODEV: return "Dispositivo inexistente";
    case EAGAIN: return "Recurso temporariamente indisponível";
    case EINTR: return "Operação interrompida";
    case ESTALE: return "Arquivo remoto não está mais disponível";
    case 0: return "Erro desconhecido";
    default: return "Erro do sistema número " + std::to_string(errnum);
  }
}

std::string system_reason(const std::error_code& ec) {
  // On this platform the system category holds errno values too.
  if (ec.category() == std::generic_category() || ec.category() == std::system_category())
    return system_reason(ec.value());
  return "Erro do sistema número " + std::to_string(ec.value());
}

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0.
std::size_t utf8_sequence(std::string_view s, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  if (c < 0x80) return 1;
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) n = 2;
  else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  return n;
}

void append_hex(std::string& out, unsigned char c) {
  static const char digits[] = "0123456789ABCDEF";
  out += "\\x";
  out += digits[c >> 4];
  out += digits[c & 0xF];
}

std::string escape(std::string_view text, bool controls) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t n = utf8_sequence(text, i);
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (n == 0) {
      append_hex(out, c);
      ++i;
      continue;
    }
    if (controls && n == 1 && (c < 0x20 || c == 0x7F)) {
      if (c == '\n') out += "\\n";
      else if (c == '\r') out += "\\r";
      else if (c == '\t') out += "\\t";
      else append_hex(out, c);
    } else {
      out.append(text.data() + i, n);
    }
    i += n;
  }
  return out;
}

}  // namespace

std::string printable(std::string_view text) { return escape(text, true); }
std::string valid_utf8(std::string_view text) { return escape(text, false); }

std::string message_name(const fs::path& p) { return "\"" + printable(p.native()) + "\""; }

std::string open_error(const fs::path& p, int errnum) {
  if (errnum == EISDIR) return directory_error(p);
  return "Não foi possível abrir o arquivo " + message_name(p) + ": " + system_reason(errnum);
}

std::string read_error(const fs::path& p, int errnum) {
  if (errnum == EISDIR) return directory_error(p);
  return "Erro ao ler o arquivo " + message_name(p) + ": " + system_reason(errnum);
}

std::string write_error(const fs::path& p, int errnum) {
  if (errnum == EISDIR) return directory_error(p);
  return "Erro ao gravar o arquivo " + message_name(p) + ": " + system_reason(errnum);
}

std::string write_error(const fs::path& p, const std::error_code& ec) {
  if (ec == std::errc::is_a_directory) return directory_error(p);
  return "Erro ao gravar o arquivo " + message_name(p) + ": " + system_reason(ec);
}

std::string directory_error(const fs::path& p) { return message_name(p) + " é um diretório, não um arquivo."; }

std::string missing_file_error(const fs::path& p) { return "O arquivo " + message_name(p) + " não existe."; }

std::string not_a_file_error(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec) ? directory_error(p) : missing_file_error(p);
}

void require_file(const fs::path& p) { require_file(p, missing_file_error(p)); }

void require_file(const fs::path& p, const std::string& missing) {
  std::error_code ec;
  auto status = fs::status(p, ec);
  if (fs::is_regular_file(status)) return;
  if (fs::is_directory(status)) throw Stop(directory_error(p));
  throw Stop(missing);
}

std::string describe_exception(const std::exception& e) {
  if (auto* fe = dynamic_cast<const fs::filesystem_error*>(&e)) {
    std::string text = system_reason(fe->code());
    if (!fe->path1().empty()) text = "Erro no arquivo " + message_name(fe->path1()) + ": " + text;
    if (!fe->path2().empty()) text += " (" + message_name(fe->path2()) + ")";
    return text;
  }
  if (auto* se = dynamic_cast<const std::system_error*>(&e)) return "Erro do sistema: " + system_reason(se->code());
  if (dynamic_cast<const std::bad_alloc*>(&e)) return "Memória insuficiente para concluir a operação.";
  return valid_utf8(e.what());
}

}  // namespace lumeral
