// Fixed-size record files: little-endian, no header, no trailer; the count
// is the file size divided by the record size (a trailing partial record is
// ignored); records are read and written by position. Every layout is
// described byte by byte in docs/formats.md.
//
// Short-string fields hold a length byte (clamped to the field size on
// read), the characters, and zeros after them; a longer text is cut to the
// field on write. Texts are returned as stored (not trimmed): readers trim.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"

namespace lumeral::records {

namespace fs = std::filesystem;

// Document record of a document list (.ldc), 264 bytes.
struct DocRecord {
  Ansi name;
  double weight = 0;
  bool operator==(const DocRecord&) const = default;
};
// Word record (.lpl; also .mtz, .dif, .dfc, .cst and centroids), 24 bytes.
struct WordRecord {
  Ansi word;
  double weight = 0;
  bool operator==(const WordRecord&) const = default;
};
// Context-list record (.lct), 24 bytes: a context name and a weight.
struct ContextListRecord {
  Ansi name;
  double weight = 0;
  bool operator==(const ContextListRecord&) const = default;
};
// Context record (.ctt), 40 bytes: an entry (word, expression or rule).
struct ContextRecord {
  Ansi entry;
  double weight = 0;
  bool operator==(const ContextRecord&) const = default;
};
// Stopword record (.stw), 16 bytes.
struct StopRecord {
  Ansi word;
  bool operator==(const StopRecord&) const = default;
};
// Boolean query record (.csb), 41 bytes.
struct QueryRecord {
  Ansi line;
  bool operator==(const QueryRecord&) const = default;
};
// Pair record (.ass and the pair store "temp.ass"), 40 bytes.
struct PairRecord {
  Ansi first;
  Ansi second;
  double weight = 0;
  bool operator==(const PairRecord&) const = default;
};

// Byte layout of each record kind.
template <class R>
struct Layout;

template <>
struct Layout<DocRecord> {
  static constexpr std::size_t size = 264;
  static void encode(const DocRecord& r, char* out);
  static DocRecord decode(const char* in);
};
template <>
struct Layout<WordRecord> {
  static constexpr std::size_t size = 24;
  static void encode(const WordRecord& r, char* out);
  static WordRecord decode(const char* in);
};
template <>
struct Layout<ContextListRecord> {
  static constexpr std::size_t size = 24;
  static void encode(const ContextListRecord& r, char* out);
  static ContextListRecord decode(const char* in);
};
template <>
struct Layout<ContextRecord> {
  static constexpr std::size_t size = 40;
  static void encode(const ContextRecord& r, char* out);
  static ContextRecord decode(const char* in);
};
template <>
struct Layout<StopRecord> {
  static constexpr std::size_t size = 16;
  static void encode(const StopRecord& r, char* out);
  static StopRecord decode(const char* in);
};
template <>
struct Layout<QueryRecord> {
  static constexpr std::size_t size = 41;
  static void encode(const QueryRecord& r, char* out);
  static QueryRecord decode(const char* in);
};
template <>
struct Layout<PairRecord> {
  static constexpr std::size_t size = 40;
  static void encode(const PairRecord& r, char* out);
  static PairRecord decode(const char* in);
};

// Field helpers, exposed for the layouts and their tests.
void put_short_string(char* out, std::size_t field, AnsiView text);
Ansi get_short_string(const char* in, std::size_t field);
void put_double(char* out, double v);
double get_double(const char* in);

// Raw bytes of records, for tests and for building files in memory.
template <class R>
std::string encode_all(const std::vector<R>& recs) {
  std::string out(recs.size() * Layout<R>::size, '\0');
  for (std::size_t i = 0; i < recs.size(); ++i) Layout<R>::encode(recs[i], out.data() + i * Layout<R>::size);
  return out;
}
template <class R>
std::vector<R> decode_all(std::string_view bytes) {
  std::vector<R> recs;
  std::size_t n = bytes.size() / Layout<R>::size;
  recs.reserve(n);
  for (std::size_t i = 0; i < n; ++i) recs.push_back(Layout<R>::decode(bytes.data() + i * Layout<R>::size));
  return recs;
}

// Reads every whole record of a file. A missing or unreadable file throws
// Stop with a message naming it; so does a record whose weight is not a
// usable number (check_weight).
template <class R>
std::vector<R> read_all(const fs::path& p);
// Creates the file anew with these records, written to a temporary file
// and renamed into place.
template <class R>
void write_all(const fs::path& p, const std::vector<R>& recs);
// Record count of an existing file (size / record size); Stop when missing.
template <class R>
std::size_t count(const fs::path& p);
// Overwrites record `index` of an existing file in place (a later position
// than the count extends the file).
template <class R>
void write_at(const fs::path& p, std::size_t index, const R& r);

// Writes records one after another into a temporary file that close()
// renames into place. A command that stops half-way (a write failure, a
// weight that is not a number) leaves the file as it was before.
template <class R>
class Writer {
 public:
  explicit Writer(const fs::path& p);
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  void write(const R& r);
  void close();  // puts the file in place; throws Stop on a write failure

 private:
  AtomicFile file_;
};

// Weights beyond this magnitude (and NaN, infinities) are refused when a
// record file is read: no analysis produces them, and they would print as
// hundreds of digits or turn shares into "NAN%".
inline constexpr double kLargestWeight = 1e300;
bool usable_weight(double w);
// Stop naming the file and the 1-based record number when `w` is not usable.
void check_weight(const fs::path& p, std::size_t index, double w);

// The similarity matrix (.msm): n x n doubles row after row. Every value
// is checked as a weight (the record number is the value's position).
std::vector<double> read_doubles(const fs::path& p);
void write_doubles(const fs::path& p, const std::vector<double>& values);

}  // namespace lumeral::records
