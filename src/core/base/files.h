// File access shared by every analysis: the one document reader, the safe
// writers, names from records turned into paths, and the lookup that finds
// a file whatever the letter case of its name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <atomic>
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
// The same for a path in the platform's bytes: a loop over a million
// documents builds each path in a reused string instead of a path object,
// which would split the path into components (and allocate) every time.
void read_bytes_into(const char* native_path, std::string& buffer);
// The same, but false (nothing read) when `p` does not exist or is not a
// regular file: one open instead of a test followed by an open. Other
// failures throw Stop naming the file.
bool read_regular_file_into(const fs::path& p, std::string& buffer);

// A document or any text a user gives us: valid UTF-8 with non-ASCII
// characters is transcoded (byte-order mark dropped), anything else is taken
// as Windows-1252. Throws Stop when the file cannot be read.
Ansi read_document(const fs::path& p);
// The same, split into lines at CR LF, LF or CR.
std::vector<Ansi> read_document_lines(const fs::path& p);

// Writes bytes to a temporary file beside `p` and renames it over `p`, so
// a failure never leaves a half-written file: `p` keeps its old content
// (or stays absent) and the temporary file is removed. Throws Stop.
void write_bytes_atomic(const fs::path& p, std::string_view bytes);

// Replaces many files of a run, each whole (word lists, matrices: one per
// document). A file that already holds the new bytes is left as it is
// (preparing an unchanged collection again writes nothing). Otherwise the
// new file is made without a name in the final file's folder (O_TMPFILE),
// written, and linked under the final name just after the old file is
// removed. So after a kill at any moment every file is the
// old one, the new one, or absent, never new records followed by old ones,
// and a killed run leaves no temporary file; a symbolic link found at the
// name is replaced, never written through. On a file system without
// nameless files it falls back to a temporary name and a rename. A failure
// throws Stop naming the file. Safe from several threads.
class FileReplacer {
 public:
  FileReplacer();
  ~FileReplacer();
  FileReplacer(const FileReplacer&) = delete;
  FileReplacer& operator=(const FileReplacer&) = delete;
  void replace(const fs::path& p, std::string_view bytes);
  void replace(const char* native_path, std::string_view bytes);

 private:
  std::atomic<bool> unnamed_files_{true};
};

// A file written piece by piece into a temporary file beside its final name
// and renamed into place by commit(). Until then the final name keeps its
// old content; when the writer goes away uncommitted (a failure, an
// exception) the temporary file is removed. Throws Stop naming the final
// file on any write failure.
class AtomicFile {
 public:
  explicit AtomicFile(fs::path p);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  void write(std::string_view bytes);
  void commit();
  const fs::path& path() const { return path_; }

 private:
  void discard() noexcept;
  fs::path path_;
  fs::path tmp_;
  std::FILE* f_ = nullptr;
};

// Several files replaced all together: every one is written to its
// temporary file first, and only when all were written are they renamed
// into place. A failure while staging leaves every final file as it was.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;
  void stage(const fs::path& p, std::string_view bytes);
  void commit();

 private:
  std::vector<std::pair<fs::path, fs::path>> staged_;  // temporary, final
};

// The message of a write failure on `p` with the system's error number.
std::string write_error_text(const fs::path& p, int error_number);

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
