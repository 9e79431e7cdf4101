#include "core/records/records.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"

namespace lumeral::records {

static_assert(std::endian::native == std::endian::little, "record files are little-endian");

void put_short_string(char* out, std::size_t field, AnsiView text) {
  std::size_t n = std::min(text.size(), field);
  out[0] = static_cast<char>(static_cast<unsigned char>(n));
  std::memcpy(out + 1, text.data(), n);
  std::memset(out + 1 + n, 0, field - n);
}

Ansi get_short_string(const char* in, std::size_t field) {
  std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(in[0]), field);
  return Ansi(in + 1, n);
}

void put_double(char* out, double v) { std::memcpy(out, &v, 8); }

double get_double(const char* in) {
  double v;
  std::memcpy(&v, in, 8);
  return v;
}

void Layout<DocRecord>::encode(const DocRecord& r, char* out) {
  put_short_string(out, 255, r.name);
  put_double(out + 256, r.weight);
}
DocRecord Layout<DocRecord>::decode(const char* in) { return {get_short_string(in, 255), get_double(in + 256)}; }

void Layout<WordRecord>::encode(const WordRecord& r, char* out) {
  put_short_string(out, 15, r.word);
  put_double(out + 16, r.weight);
}
WordRecord Layout<WordRecord>::decode(const char* in) { return {get_short_string(in, 15), get_double(in + 16)}; }

void Layout<ContextListRecord>::encode(const ContextListRecord& r, char* out) {
  put_short_string(out, 15, r.name);
  put_double(out + 16, r.weight);
}
ContextListRecord Layout<ContextListRecord>::decode(const char* in) {
  return {get_short_string(in, 15), get_double(in + 16)};
}

void Layout<ContextRecord>::encode(const ContextRecord& r, char* out) {
  put_short_string(out, 30, r.entry);
  out[31] = 0;
  put_double(out + 32, r.weight);
}
ContextRecord Layout<ContextRecord>::decode(const char* in) {
  return {get_short_string(in, 30), get_double(in + 32)};
}

void Layout<StopRecord>::encode(const StopRecord& r, char* out) { put_short_string(out, 15, r.word); }
StopRecord Layout<StopRecord>::decode(const char* in) { return {get_short_string(in, 15)}; }

void Layout<QueryRecord>::encode(const QueryRecord& r, char* out) { put_short_string(out, 40, r.line); }
QueryRecord Layout<QueryRecord>::decode(const char* in) { return {get_short_string(in, 40)}; }

void Layout<PairRecord>::encode(const PairRecord& r, char* out) {
  put_short_string(out, 15, r.first);
  put_short_string(out + 16, 15, r.second);
  put_double(out + 32, r.weight);
}
PairRecord Layout<PairRecord>::decode(const char* in) {
  return {get_short_string(in, 15), get_short_string(in + 16, 15), get_double(in + 32)};
}

namespace {
[[noreturn]] void missing(const fs::path& p) {
  throw Stop(not_a_file_error(p));
}
}  // namespace

bool usable_weight(double w) { return std::isfinite(w) && std::fabs(w) <= kLargestWeight; }

void check_weight(const fs::path& p, std::size_t index, double w) {
  if (usable_weight(w)) return;
  throw Stop("O registro " + std::to_string(index + 1) + " do arquivo \"" + display_path(p) +
             "\" tem um peso inválido (não é um número finito de até 1e300 em valor absoluto).");
}

namespace {
// Record kinds with a weight have it checked on read.
template <class R>
void check_weights(const fs::path& p, const std::vector<R>& recs) {
  if constexpr (requires(const R& r) { r.weight; }) {
    for (std::size_t i = 0; i < recs.size(); ++i) check_weight(p, i, recs[i].weight);
  }
}
}  // namespace

template <class R>
std::vector<R> read_all(const fs::path& p) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) missing(p);
  auto recs = decode_all<R>(read_bytes(p));
  check_weights(p, recs);
  return recs;
}

template <class R>
void write_all(const fs::path& p, const std::vector<R>& recs) {
  write_bytes_atomic(p, encode_all(recs));
}

template <class R>
std::size_t count(const fs::path& p) {
  std::error_code ec;
  auto size = fs::file_size(p, ec);
  if (ec) missing(p);
  return static_cast<std::size_t>(size / Layout<R>::size);
}

template <class R>
void write_at(const fs::path& p, std::size_t index, const R& r) {
  std::FILE* f = std::fopen(p.c_str(), "r+b");
  if (!f) throw Stop(write_error_text(p, errno));
  char buf[Layout<R>::size];
  Layout<R>::encode(r, buf);
  bool ok = std::fseek(f, static_cast<long>(index * Layout<R>::size), SEEK_SET) == 0 &&
            std::fwrite(buf, 1, sizeof buf, f) == sizeof buf;
  int error_number = errno;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw Stop(write_error_text(p, error_number));
}

template <class R>
Writer<R>::Writer(const fs::path& p) : file_(p) {}

template <class R>
void Writer<R>::write(const R& r) {
  char buf[Layout<R>::size];
  Layout<R>::encode(r, buf);
  file_.write(std::string_view(buf, sizeof buf));
}

template <class R>
void Writer<R>::close() {
  file_.commit();
}

#define LUMERAL_RECORD_KIND(R)                                         \
  template std::vector<R> read_all<R>(const fs::path&);                \
  template void write_all<R>(const fs::path&, const std::vector<R>&);  \
  template std::size_t count<R>(const fs::path&);                      \
  template void write_at<R>(const fs::path&, std::size_t, const R&);   \
  template class Writer<R>;

LUMERAL_RECORD_KIND(DocRecord)
LUMERAL_RECORD_KIND(WordRecord)
LUMERAL_RECORD_KIND(ContextListRecord)
LUMERAL_RECORD_KIND(ContextRecord)
LUMERAL_RECORD_KIND(StopRecord)
LUMERAL_RECORD_KIND(QueryRecord)
LUMERAL_RECORD_KIND(PairRecord)

std::vector<double> read_doubles(const fs::path& p) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) missing(p);
  std::string bytes = read_bytes(p);
  std::vector<double> v(bytes.size() / 8);
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * 8);
  for (std::size_t i = 0; i < v.size(); ++i) check_weight(p, i, v[i]);
  return v;
}

void write_doubles(const fs::path& p, const std::vector<double>& values) {
  std::string bytes(values.size() * 8, '\0');
  if (!values.empty()) std::memcpy(bytes.data(), values.data(), bytes.size());
  write_bytes_atomic(p, bytes);
}

}  // namespace lumeral::records
