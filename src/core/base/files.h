// File access shared by every analysis: the one document reader, the safe
// writers, names from records turned into paths, and the lookup that finds
// a file whatever the letter case of its name.
#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral {

namespace fs = std::filesystem;

// A stored name (Windows-1252) as a path (UTF-8 on this platform), and back.
fs::path to_path(AnsiView name);
Ansi path_name(const fs::path& p);           // the file name alone, as stored text
std::string display_path(const fs::path& p);  // UTF-8, for messages

// Whole file as bytes. Throws Stop naming the file and the reason.
std::string read_bytes(const fs::path& p);
// The same into a buffer the caller reuses from file to file (loops over
// many small documents).
void read_bytes_into(const fs::path& p, std::string& buffer);

// A document or any text a user gives us: valid UTF-8 with non-ASCII
// characters is transcoded (byte-order mark dropped), anything else is taken
// as Windows-1252. Throws Stop when the file cannot be read.
Ansi read_document(const fs::path& p);
// The same, split into lines at CR LF, LF or CR.
std::vector<Ansi> read_document_lines(const fs::path& p);

// Writes bytes to a temporary file beside `p` and renames it over `p`, so
// a failure never leaves a half-written file. Throws Stop on failure.
void write_bytes_atomic(const fs::path& p, std::string_view bytes);

// Rewrites a file in place: the old blocks are reused and the file is cut
// to the new size only when it was longer. For derived files rebuilt on
// every run (word lists, one per document), where creating and freeing a
// file for each write costs far more than the write itself. A failure can
// leave the file half-written (the next run rebuilds it). Throws Stop.
void write_bytes_in_place(const fs::path& p, std::string_view bytes);

// Text file: every line followed by CR LF, written safely as above.
void write_text_file(const fs::path& p, const std::vector<Ansi>& lines);

// Checks a name read from a record or a field before it is joined to a
// folder: an absolute name, a drive letter, a separator or ".." is refused
// with Stop ("Nome de arquivo inválido: ...").
void check_plain_name(AnsiView name);

// Finds the file a record's name refers to in `folder`: the exact name
// first; when that does not exist, the one file of the folder whose name
// matches without regard to case. When neither exists the exact path is
// returned (so callers test existence and report the name as built).
// The name is checked with check_plain_name first.
fs::path lookup(const fs::path& folder, AnsiView name);

// True when lookup() finds an existing regular file.
bool exists_ci(const fs::path& folder, AnsiView name);

// lookup() for many names of one folder (a run over a whole collection):
// the folder is listed once, on the first name that does not exist
// exactly, instead of once per such name. Answers as lookup() does, for
// the folder as it was when listed. Safe to use from several threads.
class FolderIndex {
 public:
  explicit FolderIndex(fs::path folder);
  FolderIndex(const FolderIndex&) = delete;
  FolderIndex& operator=(const FolderIndex&) = delete;
  const fs::path& folder() const { return folder_; }
  fs::path find(AnsiView name) const;
  bool exists(AnsiView name) const;

 private:
  void list() const;
  fs::path folder_;
  mutable std::once_flag listed_;
  // file name with A-Z lowered -> the one file of that name, or empty when
  // several names differ only in case
  mutable std::unordered_map<std::string, std::string> by_lower_;
};

// The companion naming rule shared by word lists, matrices and
// differences: the trimmed name up to and including the dot of the later of
// its first ".txt" and its first ".lpl" (matched without regard to case),
// then `ext`; a name with neither gets `ext` appended directly.
//   companion_name("doc7.txt", "lpl")   == "doc7.lpl"
//   companion_name("NOTA.TXT", "lpl")   == "NOTA.lpl"
//   companion_name("notas", "mtz")      == "notasmtz"
Ansi companion_base(AnsiView name);
Ansi companion_name(AnsiView name, AnsiView ext);

}  // namespace lumeral
