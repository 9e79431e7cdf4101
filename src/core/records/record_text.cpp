#include "core/records/record_text.h"

#include "core/records/mapped_doubles.h"

#include <cmath>
#include <cstdio>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"

namespace lumeral::records {

const std::vector<KindInfo>& record_kinds() {
  static const std::vector<KindInfo> kinds = {
      {"ldc", Kind::Doc},     {"lpl", Kind::Word},    {"stw", Kind::Stopword}, {"lct", Kind::ContextList},
      {"ctt", Kind::Context}, {"mtz", Kind::Word},    {"dif", Kind::Word},     {"dfc", Kind::Word},
      {"cst", Kind::Word},    {"csb", Kind::Query},   {"ass", Kind::Pair},     {"msm", Kind::Matrix},
  };
  return kinds;
}

const KindInfo* find_kind(std::string_view extension) {
  for (const auto& k : record_kinds())
    if (k.extension == extension) return &k;
  return nullptr;
}

std::string extension_of(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  return ext;
}

std::string number_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

namespace {

std::string with_weight(AnsiView text, double weight) { return to_utf8(text) + "\t" + number_text(weight); }

// The fields of a line, at every tab (a line without tab is one field).
std::vector<AnsiView> fields_of(AnsiView line) {
  std::vector<AnsiView> fields;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == AnsiView::npos ? AnsiView::npos : tab - start));
    if (tab == AnsiView::npos) break;
    start = tab + 1;
  }
  return fields;
}

AnsiView field(const std::vector<AnsiView>& fields, std::size_t i) { return i < fields.size() ? fields[i] : AnsiView(); }

double number_of(AnsiView text, std::size_t line_no, const Regional& regional) {
  double v = 0;
  bool ok = true;
  try {
    v = regional.parse(text);
  } catch (const Stop&) {
    ok = false;
  }
  if (!ok || !usable_weight(v))
    throw Stop("Linha " + std::to_string(line_no) + ": \"" + to_utf8(text) + "\" não é um número válido.");
  return v;
}

double weight_of(const std::vector<AnsiView>& fields, std::size_t i, double missing, std::size_t line_no,
                 const Regional& regional) {
  AnsiView w = field(fields, i);
  return w.empty() ? missing : number_of(w, line_no, regional);
}

template <class R>
void dump_records(const std::filesystem::path& file, const std::function<void(std::string_view)>& out) {
  for (const auto& r : read_all<R>(file)) out(dump_line(r));
}

template <class R>
std::string make_records(const std::vector<Ansi>& lines, const Regional& regional) {
  std::string bytes(lines.size() * Layout<R>::size, '\0');
  for (std::size_t i = 0; i < lines.size(); ++i)
    Layout<R>::encode(record_from_line<R>(lines[i], i + 1, regional), bytes.data() + i * Layout<R>::size);
  return bytes;
}

std::string make_matrix(const std::vector<Ansi>& lines, const Regional& regional) {
  std::vector<double> values;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AnsiView rest = lines[i];
    // Values are separated by blanks or tabs.
    while (true) {
      std::size_t start = rest.find_first_not_of(" \t\v\f\r");
      if (start == AnsiView::npos) break;
      rest = rest.substr(start);
      std::size_t end = rest.find_first_of(" \t\v\f\r");
      values.push_back(number_of(rest.substr(0, end), i + 1, regional));
      if (end == AnsiView::npos) break;
      rest = rest.substr(end);
    }
  }
  std::size_t n = static_cast<std::size_t>(std::llround(std::sqrt(static_cast<double>(values.size()))));
  if (n * n != values.size()) {
    throw Stop("As linhas têm " + std::to_string(values.size()) +
               " valores, que não formam uma matriz quadrada: nada foi gravado.");
  }
  std::string bytes(values.size() * 8, '\0');
  for (std::size_t i = 0; i < values.size(); ++i) put_double(bytes.data() + i * 8, values[i]);
  return bytes;
}

}  // namespace

std::string dump_line(const DocRecord& r) { return with_weight(r.name, r.weight); }
std::string dump_line(const WordRecord& r) { return with_weight(r.word, r.weight); }
std::string dump_line(const ContextListRecord& r) { return with_weight(r.name, r.weight); }
std::string dump_line(const ContextRecord& r) { return with_weight(r.entry, r.weight); }
std::string dump_line(const StopRecord& r) { return to_utf8(r.word); }
std::string dump_line(const QueryRecord& r) { return to_utf8(r.line); }
std::string dump_line(const PairRecord& r) {
  return to_utf8(r.first) + "\t" + to_utf8(r.second) + "\t" + number_text(r.weight);
}

template <>
DocRecord record_from_line<DocRecord>(AnsiView line, std::size_t line_no, const Regional& regional) {
  auto f = fields_of(line);
  return {cut(f[0], 255), weight_of(f, 1, 0, line_no, regional)};
}
template <>
WordRecord record_from_line<WordRecord>(AnsiView line, std::size_t line_no, const Regional& regional) {
  auto f = fields_of(line);
  return {cut(f[0], 15), weight_of(f, 1, 0, line_no, regional)};
}
template <>
ContextListRecord record_from_line<ContextListRecord>(AnsiView line, std::size_t line_no, const Regional& regional) {
  auto f = fields_of(line);
  return {cut(f[0], 15), weight_of(f, 1, 0, line_no, regional)};
}
template <>
ContextRecord record_from_line<ContextRecord>(AnsiView line, std::size_t line_no, const Regional& regional) {
  auto f = fields_of(line);
  return {cut(f[0], 30), weight_of(f, 1, 1, line_no, regional)};
}
template <>
StopRecord record_from_line<StopRecord>(AnsiView line, std::size_t, const Regional&) {
  return {cut(line, 15)};
}
template <>
QueryRecord record_from_line<QueryRecord>(AnsiView line, std::size_t, const Regional&) {
  return {cut(line, 40)};
}
template <>
PairRecord record_from_line<PairRecord>(AnsiView line, std::size_t line_no, const Regional& regional) {
  auto f = fields_of(line);
  return {cut(f[0], 15), cut(field(f, 1), 15), weight_of(f, 2, 0, line_no, regional)};
}

void dump_file(const std::filesystem::path& file, Kind kind, std::size_t size,
               const std::function<void(std::string_view)>& out) {
  switch (kind) {
    case Kind::Doc: return dump_records<DocRecord>(file, out);
    case Kind::Word: return dump_records<WordRecord>(file, out);
    case Kind::Stopword: return dump_records<StopRecord>(file, out);
    case Kind::ContextList: return dump_records<ContextListRecord>(file, out);
    case Kind::Context: return dump_records<ContextRecord>(file, out);
    case Kind::Query: return dump_records<QueryRecord>(file, out);
    case Kind::Pair: return dump_records<PairRecord>(file, out);
    case Kind::Matrix: break;
  }
  const MappedDoubles values(file);
  std::size_t n = size > 0 ? size
                           : static_cast<std::size_t>(std::llround(std::sqrt(static_cast<double>(values.size()))));
  if (n * n != values.size()) {
    throw Stop("A matriz \"" + display_path(file) + "\" tem " + std::to_string(values.size()) +
               " valores, que não formam uma matriz quadrada" + (size > 0 ? " do tamanho pedido." : "."));
  }
  // Every value checked before the first line, then row by row from the
  // mapped file.
  values.check_all();
  std::string row;
  for (std::size_t i = 0; i < n; ++i) {
    row.clear();
    for (std::size_t j = 0; j < n; ++j) {
      if (j) row += '\t';
      row += number_text(values[i * n + j]);
    }
    out(row);
    values.release(i * n, (i + 1) * n);
  }
}

std::string make_bytes(Kind kind, AnsiView input, const Regional& regional) {
  const std::vector<Ansi> lines = split_lines(input);
  switch (kind) {
    case Kind::Doc: return make_records<DocRecord>(lines, regional);
    case Kind::Word: return make_records<WordRecord>(lines, regional);
    case Kind::Stopword: return make_records<StopRecord>(lines, regional);
    case Kind::ContextList: return make_records<ContextListRecord>(lines, regional);
    case Kind::Context: return make_records<ContextRecord>(lines, regional);
    case Kind::Query: return make_records<QueryRecord>(lines, regional);
    case Kind::Pair: return make_records<PairRecord>(lines, regional);
    case Kind::Matrix: break;
  }
  return make_matrix(lines, regional);
}

void make_file(const std::filesystem::path& file, Kind kind, AnsiView input, const Regional& regional) {
  write_bytes_atomic(file, make_bytes(kind, input, regional));
}

}  // namespace lumeral::records
