// How input/output failures are told to the user: one mapping from errno
// (and std::error_code) to a Portuguese reason, the sentences for a file
// that cannot be opened, read or written, for a missing file and for a
// folder given where a file is expected, and the text any exception shows
// when it reaches a command. Every message that names a file goes through
// message_name(), so bytes that are not UTF-8 (or control characters such
// as a line break in a name) never reach a message raw.
#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lumeral {

// "Arquivo ou diretório inexistente", "Permissão negada", "Disco cheio"...
std::string system_reason(int errnum);
std::string system_reason(const std::error_code& ec);

// Text safe to show: valid UTF-8 is kept, each byte of an invalid sequence
// becomes "\xNN" and control characters become "\n", "\r", "\t" or "\xNN".
std::string printable(std::string_view text);
// The same with only invalid UTF-8 escaped: line breaks stay (for whole
// messages, some of which hold a line break on purpose).
std::string valid_utf8(std::string_view text);

// A path as it is shown in messages, in quotes: "\"/pasta/nome.txt\"".
std::string message_name(const std::filesystem::path& p);

// "Não foi possível abrir o arquivo "X": <motivo>"
std::string open_error(const std::filesystem::path& p, int errnum);
// "Erro ao ler o arquivo "X": <motivo>"
std::string read_error(const std::filesystem::path& p, int errnum);
// "Erro ao gravar o arquivo "X": <motivo>": every failure to create, write,
// close or rename a file into place is told this one way.
std::string write_error(const std::filesystem::path& p, int errnum);
std::string write_error(const std::filesystem::path& p, const std::error_code& ec);
// ""X" é um diretório, não um arquivo."
std::string directory_error(const std::filesystem::path& p);
// "O arquivo "X" não existe."
std::string missing_file_error(const std::filesystem::path& p);
// The one of the two above that fits `p` (a folder or nothing there).
std::string not_a_file_error(const std::filesystem::path& p);

// Stops (throws Stop) unless `p` is a regular file: directory_error() for a
// folder, `missing` (default missing_file_error()) otherwise.
void require_file(const std::filesystem::path& p);
void require_file(const std::filesystem::path& p, const std::string& missing);

// The text of an exception that reached a command without being a Stop:
// file-system and system errors get their Portuguese reason (and the path
// involved), a lack of memory is named, anything else keeps its text.
std::string describe_exception(const std::exception& e);

}  // namespace lumeral
