// Record files as text lines and back: the kinds of record file by the
// extension that names them, one record as a "dump" line, and a "dump"
// line as a record. A line holds the record's fields separated by a tab:
// text fields as stored (not trimmed), numbers as "%.17g" with a "."
// whatever the locale. Pairs give first, second and weight; stopword and
// Boolean query records their text alone; the similarity matrix one row
// per line. Read back, a number may use "." or ","; a missing weight is 0
// (1 for a context entry) and texts are cut to their field.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::records {

enum class Kind { Doc, Word, Stopword, ContextList, Context, Query, Pair, Matrix };

struct KindInfo {
  std::string_view extension;  // without the dot, lower case
  Kind kind;
};

// Every kind by its extension, in the order they are listed to users:
// ldc lpl stw lct ctt mtz dif dfc cst csb ass msm.
const std::vector<KindInfo>& record_kinds();
// The kind named by an extension (without the dot, lower case), or nullptr
// when none is.
const KindInfo* find_kind(std::string_view extension);
// The extension of a file name, without the dot ("" when it has none).
std::string extension_of(const std::filesystem::path& file);

// A number as dump lines write it.
std::string number_text(double v);

// One record as a dump line (UTF-8, without the line end).
std::string dump_line(const DocRecord& r);
std::string dump_line(const WordRecord& r);
std::string dump_line(const ContextListRecord& r);
std::string dump_line(const ContextRecord& r);
std::string dump_line(const StopRecord& r);
std::string dump_line(const QueryRecord& r);
std::string dump_line(const PairRecord& r);

// A dump line (stored text, without the line end) as a record. `line_no`
// (1-based) names the line when a number cannot be read: Stop
// "Linha N: "texto" não é um número válido." (also for a number that is
// not finite or beyond 1e300, which no record file may hold).
template <class R>
R record_from_line(AnsiView line, std::size_t line_no, const Regional& regional);

// Prints every record of `file` read as `kind`, one line each, through
// `out`. The similarity matrix is printed as `size` rows (0: the square
// root of the number of values); a count that is not size x size stops
// with a message naming the file, and an empty matrix prints nothing.
void dump_file(const std::filesystem::path& file, Kind kind, std::size_t size,
               const std::function<void(std::string_view)>& out);

// Builds the bytes of a file of `kind` from dump lines (the whole input as
// stored text). A similarity matrix whose number of values is not a square
// is refused.
std::string make_bytes(Kind kind, AnsiView input, const Regional& regional);
// make_bytes written to `file` (temporary file renamed into place).
void make_file(const std::filesystem::path& file, Kind kind, AnsiView input, const Regional& regional);

}  // namespace lumeral::records
