#include "core/variables/table_reader.h"

#include <pugixml.hpp>
#include <unicode/utf8.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/base/xml_walk.h"

namespace lumeral::variables {

namespace {

// The widest sheet either format allows; a cell past it is damage.
constexpr std::size_t kMaxColumns = 16384;
constexpr std::size_t kMaxRows = std::size_t{1} << 20;
// A repetition count past any sheet's size is taken as this (it can only
// count empty rows or columns: more of anything else is refused).
constexpr unsigned long long kMaxRepeat = 1ull << 32;
constexpr std::size_t kChunk = std::size_t{1} << 20;

void emit(TableRow& row, const RowSink& sink) {
  while (!row.cells.empty() && row.cells.back().empty()) row.cells.pop_back();
  if (!row.cells.empty()) sink(row);
  row.cells.clear();
}

// ---- CSV

// RFC 4180 records fed as UTF-8 in pieces. The separator is found in the
// first record: the one of ";", tab and "," it holds most often outside
// quotes (";" on a tie, then tab). Leniencies: a quote inside an unquoted
// field is text, text after a closing quote joins the field, a record
// ends at CR LF, LF or CR.
class CsvParser {
 public:
  CsvParser(const fs::path& p, const RowSink& sink) : path_(p), sink_(sink) {}

  void feed(std::string_view text) {
    if (separator_) return parse(text);
    head_ += text;
    if (find_separator(false)) {
      std::string head = std::move(head_);
      head_.clear();
      parse(head);
    }
  }

  void finish() {
    if (!separator_) {
      find_separator(true);
      std::string head = std::move(head_);
      parse(head);
    }
    if (state_ == State::Quoted)
      throw Stop(table_refusal(path_, "tem aspas abertas na linha " + std::to_string(row_.number) +
                                          " que não se fecham até o fim do arquivo"));
    if (state_ != State::Start || !field_.empty() || !row_.cells.empty()) end_record();
  }

 private:
  enum class State { Start, Plain, Quoted, QuoteInQuoted };

  // Scans the head gathered so far for the end of the first record; at the
  // end of the input (`last`) the whole head is the first record.
  bool find_separator(bool last) {
    for (; scan_at_ < head_.size(); ++scan_at_) {
      const char c = head_[scan_at_];
      if (c == '"') scan_quoted_ = !scan_quoted_;
      if (scan_quoted_) continue;
      if (c == '\r' || c == '\n') break;
      if (c == ';') ++counts_[0];
      else if (c == '\t') ++counts_[1];
      else if (c == ',') ++counts_[2];
    }
    if (scan_at_ == head_.size() && !last) return false;
    static constexpr char kCandidates[] = {';', '\t', ','};
    std::size_t best = 0;
    for (std::size_t i = 1; i < 3; ++i)
      if (counts_[i] > counts_[best]) best = i;
    separator_ = kCandidates[best];
    return true;
  }

  void end_field() {
    // The quote an exported table puts before a text that a spreadsheet
    // would take for a formula ("'=1+1") is not part of the text.
    if (field_.size() >= 2 && field_[0] == '\'' && std::string_view("=+-@\t\r\n").find(field_[1]) != std::string_view::npos)
      field_.erase(0, 1);
    row_.cells.push_back(std::move(field_));
    field_.clear();
    state_ = State::Start;
  }
  void end_record() {
    end_field();
    emit(row_, sink_);
    row_.number = line_;
  }

  void parse(std::string_view text) {
    for (const char c : text) {
      if (after_cr_) {
        after_cr_ = false;
        if (c == '\n') continue;
      }
      if (c == '\r' || c == '\n') {
        ++line_;
        after_cr_ = c == '\r';
        if (state_ == State::Quoted) {
          field_ += '\n';  // a line break inside a cell, whatever its bytes
          continue;
        }
        end_record();
        continue;
      }
      switch (state_) {
        case State::Start:
          if (c == '"') state_ = State::Quoted;
          else if (c == separator_) end_field();
          else field_ += c, state_ = State::Plain;
          break;
        case State::Plain:
          if (c == separator_) end_field();
          else field_ += c;
          break;
        case State::Quoted:
          if (c == '"') state_ = State::QuoteInQuoted;
          else field_ += c;
          break;
        case State::QuoteInQuoted:
          if (c == '"') field_ += c, state_ = State::Quoted;
          else if (c == separator_) end_field();
          else field_ += c, state_ = State::Plain;
          break;
      }
    }
  }

  const fs::path& path_;
  const RowSink& sink_;
  std::string head_;
  std::size_t scan_at_ = 0;
  bool scan_quoted_ = false;
  std::size_t counts_[3] = {0, 0, 0};
  char separator_ = 0;
  State state_ = State::Start;
  bool after_cr_ = false;
  std::size_t line_ = 1;
  std::string field_;
  TableRow row_{1, {}};
};

enum class CsvEncoding { Utf8, Cp1252, Utf16Le, Utf16Be };

// Whether bytes fed in pieces are valid UTF-8 (a sequence may straddle two
// pieces).
class Utf8Check {
 public:
  void feed(std::string_view bytes) {
    if (!valid_) return;
    buffer_.append(bytes);
    std::size_t cut = buffer_.size();
    for (std::size_t back = 1; back <= 3 && back <= buffer_.size(); ++back) {
      const auto b = static_cast<unsigned char>(buffer_[buffer_.size() - back]);
      if (b < 0x80) break;
      if (b >= 0xC0) {
        const std::size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        if (need > back) cut = buffer_.size() - back;
        break;
      }
    }
    const auto* s = reinterpret_cast<const uint8_t*>(buffer_.data());
    const auto len = static_cast<int32_t>(cut);
    for (int32_t i = 0; i < len;) {
      if (s[i] < 0x80) {
        ++i;
        continue;
      }
      UChar32 c;
      U8_NEXT(s, i, len, c);
      if (c < 0) {
        valid_ = false;
        return;
      }
    }
    buffer_.erase(0, cut);
  }
  bool valid() const { return valid_ && buffer_.empty(); }

 private:
  std::string buffer_;
  bool valid_ = true;
};

// Raw pieces of a CSV in its encoding to UTF-8 pieces for the parser.
class CsvDecoder {
 public:
  CsvDecoder(CsvEncoding encoding, CsvParser& parser) : encoding_(encoding), parser_(parser) {}
  void feed(std::string_view bytes) {
    switch (encoding_) {
      case CsvEncoding::Utf8: parser_.feed(bytes); return;
      case CsvEncoding::Cp1252: parser_.feed(to_utf8(from_bytes(bytes))); return;
      case CsvEncoding::Utf16Le:
      case CsvEncoding::Utf16Be: break;
    }
    const bool big = encoding_ == CsvEncoding::Utf16Be;
    carry_.append(bytes);
    std::size_t cut = carry_.size() & ~std::size_t{1};
    // A high surrogate at the end waits for its pair.
    if (cut >= 2) {
      const auto hi = static_cast<unsigned char>(carry_[cut - (big ? 2 : 1)]);
      if (hi >= 0xD8 && hi <= 0xDB) cut -= 2;
    }
    parser_.feed(utf16_to_utf8(std::string_view(carry_).substr(0, cut), big));
    carry_.erase(0, cut);
  }
  void finish() {
    if (!carry_.empty()) parser_.feed(utf16_to_utf8(carry_, encoding_ == CsvEncoding::Utf16Be));
    carry_.clear();
    parser_.finish();
  }

 private:
  CsvEncoding encoding_;
  CsvParser& parser_;
  std::string carry_;
};

// The encoding a byte-order mark tells (and its length), if any.
std::pair<CsvEncoding, std::size_t> marked_encoding(std::string_view head, bool& marked) {
  marked = true;
  if (head.substr(0, 3) == "\xEF\xBB\xBF") return {CsvEncoding::Utf8, 3};
  if (head.substr(0, 2) == "\xFF\xFE") return {CsvEncoding::Utf16Le, 2};
  if (head.substr(0, 2) == "\xFE\xFF") return {CsvEncoding::Utf16Be, 2};
  marked = false;
  return {CsvEncoding::Utf8, 0};
}

class InputFile {
 public:
  explicit InputFile(const fs::path& p) : path_(p), f_(std::fopen(p.c_str(), "rb")) {
    if (!f_) {
      const int e = errno;
      std::error_code ec;
      if (fs::is_directory(p, ec)) throw Stop(directory_error(p));
      throw Stop(open_error(p, e));
    }
  }
  ~InputFile() { std::fclose(f_); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  // The next piece, empty at the end.
  std::string_view next(std::string& buffer) {
    buffer.resize(kChunk);
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f_);
    if (got < buffer.size() && std::ferror(f_)) throw Stop(read_error(path_, errno));
    return std::string_view(buffer.data(), got);
  }
  void rewind() { std::rewind(f_); }

 private:
  const fs::path& path_;
  std::FILE* f_;
};

void read_csv_file(const fs::path& p, const RowSink& sink) {
  InputFile in(p);
  std::string buffer;
  std::string_view piece = in.next(buffer);
  bool marked = false;
  auto [encoding, skip] = marked_encoding(piece, marked);
  if (!marked) {
    // Valid UTF-8 is read as UTF-8, anything else as Windows-1252, as
    // documents are: a first pass over the file decides.
    Utf8Check check;
    for (std::string_view rest = piece; !rest.empty(); rest = in.next(buffer)) check.feed(rest);
    encoding = check.valid() ? CsvEncoding::Utf8 : CsvEncoding::Cp1252;
    in.rewind();
    piece = in.next(buffer);
  }
  CsvParser parser(p, sink);
  CsvDecoder decoder(encoding, parser);
  for (piece.remove_prefix(skip); !piece.empty(); piece = in.next(buffer)) decoder.feed(piece);
  decoder.finish();
}

// ---- XML of the workbooks

std::string_view local_name(const pugi::xml_node& node) {
  std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child_named(const pugi::xml_node& node, std::string_view local) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && local_name(c) == local) return c;
  return {};
}

pugi::xml_attribute attribute_named(const pugi::xml_node& node, std::string_view local) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    std::string_view name = a.name();
    const auto colon = name.find(':');
    if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) == local) return a;
  }
  return {};
}


void append_code_point(std::string& out, UChar32 c) {
  char buf[4];
  int32_t n = 0;
  UBool error = false;
  U8_APPEND(reinterpret_cast<uint8_t*>(buf), n, 4, c, error);
  if (!error) out.append(buf, static_cast<std::size_t>(n));
}

// A spreadsheet's "_xHHHH_" escapes (control characters such as CR) as the
// characters they stand for.
std::string unescape_sheet_text(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (s.substr(i, 2) == "_x" && i + 7 <= s.size() && s[i + 6] == '_' &&
        s.substr(i + 2, 4).find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos) {
      append_code_point(out, static_cast<UChar32>(std::stoul(std::string(s.substr(i + 2, 4)), nullptr, 16)));
      i += 7;
      continue;
    }
    out += s[i++];
  }
  return out;
}

// The text of a shared string or an inline string: its "t", or the "t" of
// its runs (phonetic runs left out).
std::string string_item_text(const pugi::xml_node& item) {
  std::string text;
  for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
    const std::string_view name = local_name(c);
    if (name == "t") text += c.text().get();
    else if (name == "r") text += child_named(c, "t").text().get();
  }
  return unescape_sheet_text(text);
}

// "C7" -> column 2; a reference past the widest sheet stops as damage.
std::size_t column_of(std::string_view ref, const fs::path& p, const char* kind) {
  std::size_t col = 0;
  std::size_t letters = 0;
  for (char c : ref) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    col = col * 26 + static_cast<std::size_t>(c - 'A' + 1);
    if (++letters > 3 || col > kMaxColumns) throw Stop(table_refusal(p, preparation::damaged_reason(kind)));
  }
  if (col == 0) throw Stop(table_refusal(p, preparation::damaged_reason(kind)));
  return col - 1;
}

void put_cell(std::vector<std::string>& cells, std::size_t col, std::string text) {
  if (cells.size() <= col) cells.resize(col + 1);
  cells[col] = std::move(text);
}

// The index of the sheet `wanted` names among `names` (by name, exact or
// letter case aside, else by number from 1; the first when empty).
std::size_t chosen_sheet(const std::vector<std::string>& names, const std::string& wanted, const fs::path& p) {
  if (names.empty()) throw Stop(table_refusal(p, "não tem nenhuma planilha"));
  if (wanted.empty()) return 0;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == wanted) return i;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (equals_ci(from_bytes(names[i]), from_bytes(wanted))) return i;
  if (!wanted.empty() && wanted.find_first_not_of("0123456789") == std::string::npos && wanted.size() < 6) {
    const std::size_t n = std::stoul(wanted);
    if (n >= 1 && n <= names.size()) return n - 1;
  }
  std::string list;
  for (const auto& n : names) list += (list.empty() ? "" : ", ") + ("\"" + printable(n) + "\"");
  throw Stop("A planilha \"" + printable(wanted) + "\" não existe em " + message_name(p.filename()) +
             "; as planilhas são: " + list + ".");
}

// The tables of an ODS spreadsheet body, in order.
std::vector<pugi::xml_node> ods_sheets(const pugi::xml_node& book) {
  std::vector<pugi::xml_node> sheets;
  for (pugi::xml_node t = book.first_child(); t; t = t.next_sibling())
    if (t.type() == pugi::node_element && local_name(t) == "table") sheets.push_back(t);
  return sheets;
}

// The sheets an XLSX workbook's XML lists: their names and relationship ids.
void xlsx_sheets(std::string book, const fs::path& p, std::size_t limit, std::vector<std::string>& names,
                 std::vector<std::string>& ids) {
  pugi::xml_document doc;
  preparation::parse_zip_xml(doc, p, book, "XLSX", limit, table_refusal);
  const pugi::xml_node sheets = child_named(child_named(doc, "workbook"), "sheets");
  for (pugi::xml_node s = sheets.first_child(); s; s = s.next_sibling()) {
    if (s.type() != pugi::node_element || local_name(s) != "sheet") continue;
    names.emplace_back(s.attribute("name").value());
    ids.emplace_back(attribute_named(s, "id").value());
  }
}

// Thrown by table_header's sink once it has the header.
struct HeaderRead {};

}  // namespace

std::string table_refusal(const fs::path& p, const std::string& reason) {
  std::string why = reason;
  if (!why.empty() && why.back() == ',') why.pop_back();
  return "O arquivo " + message_name(p.filename()) + " " + why + ".";
}

TableFormat table_format_of(const fs::path& p) {
  const Ansi ext = lower_az(path_name(p.extension()));
  if (ext == Ansi(".xlsx")) return TableFormat::Xlsx;
  if (ext == Ansi(".ods")) return TableFormat::Ods;
  return TableFormat::Csv;
}

void read_csv_bytes(std::string_view bytes, const fs::path& p, const RowSink& sink) {
  bool marked = false;
  auto [encoding, skip] = marked_encoding(bytes, marked);
  bytes.remove_prefix(skip);
  if (!marked) {
    Utf8Check check;
    check.feed(bytes);
    encoding = check.valid() ? CsvEncoding::Utf8 : CsvEncoding::Cp1252;
  }
  CsvParser parser(p, sink);
  CsvDecoder decoder(encoding, parser);
  decoder.feed(bytes);
  decoder.finish();
}

void read_xlsx_sheet_xml(std::string sheet_xml, std::string shared_strings_xml, const fs::path& p,
                         std::size_t limit, const RowSink& sink) {
  std::vector<std::string> strings;
  if (!shared_strings_xml.empty()) {
    pugi::xml_document doc;
    preparation::parse_zip_xml(doc, p, shared_strings_xml, "XLSX", limit, table_refusal);
    for (pugi::xml_node si = child_named(doc, "sst").first_child(); si; si = si.next_sibling())
      if (si.type() == pugi::node_element && local_name(si) == "si") strings.push_back(string_item_text(si));
  }
  pugi::xml_document doc;
  preparation::parse_zip_xml(doc, p, sheet_xml, "XLSX", limit, table_refusal);
  const pugi::xml_node data = child_named(child_named(doc, "worksheet"), "sheetData");
  if (!data) throw Stop(table_refusal(p, preparation::damaged_reason("XLSX")));
  TableRow row;
  std::size_t number = 0;
  for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling()) {
    if (r.type() != pugi::node_element || local_name(r) != "row") continue;
    const pugi::xml_attribute at = r.attribute("r");
    const std::size_t given = at ? at.as_ullong() : number + 1;
    if (given <= number) throw Stop(table_refusal(p, preparation::damaged_reason("XLSX")));  // rows go down the sheet
    number = given;
    row.number = number;
    std::size_t col = 0;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (c.type() != pugi::node_element || local_name(c) != "c") continue;
      const pugi::xml_attribute ref = c.attribute("r");
      if (ref) col = column_of(ref.value(), p, "XLSX");
      if (col >= kMaxColumns) throw Stop(table_refusal(p, preparation::damaged_reason("XLSX")));
      const std::string_view type = c.attribute("t").value();
      const char* value = child_named(c, "v").text().get();
      std::string text;
      if (type == "s") {
        const std::size_t k = child_named(c, "v").text().as_ullong(strings.size());
        if (k >= strings.size()) throw Stop(table_refusal(p, preparation::damaged_reason("XLSX")));
        text = strings[k];
      } else if (type == "inlineStr") {
        text = string_item_text(child_named(c, "is"));
      } else if (type == "b") {
        text = std::string_view(value) == "1" ? "VERDADEIRO" : std::string_view(value) == "0" ? "FALSO" : value;
      } else {
        text = unescape_sheet_text(value);
      }
      put_cell(row.cells, col, std::move(text));
      ++col;
    }
    emit(row, sink);
  }
}

void read_ods_xml(std::string content_xml, const fs::path& p, const TableOptions& options, const RowSink& sink) {
  pugi::xml_document doc;
  preparation::parse_zip_xml(doc, p, content_xml, "ODS", options.limit, table_refusal);
  const pugi::xml_node book =
      child_named(child_named(child_named(doc, "document-content"), "body"), "spreadsheet");
  if (!book) throw Stop(table_refusal(p, preparation::damaged_reason("ODS")));
  const std::vector<pugi::xml_node> sheets = ods_sheets(book);
  std::vector<std::string> names;
  for (const auto& s : sheets) names.emplace_back(attribute_named(s, "name").value());
  const pugi::xml_node table = sheets[chosen_sheet(names, options.sheet, p)];

  TableRow row;
  std::size_t number = 0;  // rows passed so far
  std::string text;        // the cell being read
  std::size_t pending_empty = 0;
  // Repetition makes many cells of one: what they hold is bounded as a
  // document's text is.
  std::size_t made = 0;
  auto repeats = [](const pugi::xml_node& n, std::string_view attribute) {
    return std::clamp<unsigned long long>(attribute_named(n, attribute).as_ullong(1), 1, kMaxRepeat);
  };
  auto cell_text = [&](const pugi::xml_node& cell) {
    text.clear();
    bool first_paragraph = true;
    for (pugi::xml_node para = cell.first_child(); para; para = para.next_sibling()) {
      if (para.type() != pugi::node_element || local_name(para) != "p") continue;
      if (!first_paragraph) text += '\n';
      first_paragraph = false;
      walk_xml(
          para,
          [&](const pugi::xml_node& n) {
            if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
              text += n.value();
              return false;
            }
            if (n.type() != pugi::node_element) return false;
            const std::string_view name = local_name(n);
            if (name == "s") {
              const auto count = attribute_named(n, "c").as_ullong(1);
              text.append(std::min<unsigned long long>(count, 1000), ' ');
              return false;
            }
            if (name == "tab") text += '\t';
            else if (name == "line-break") text += '\n';
            return name != "annotation" && name != "note";
          },
          [](const pugi::xml_node&) {});
      if (text.size() > options.limit)
        throw Stop(table_refusal(p, preparation::too_large_reason(options.limit)));
    }
    if (first_paragraph) text = attribute_named(cell, "value").value();
  };
  auto read_row = [&](const pugi::xml_node& r) {
    row.cells.clear();
    pending_empty = 0;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (c.type() != pugi::node_element) continue;
      const std::string_view name = local_name(c);
      if (name != "table-cell" && name != "covered-table-cell") continue;
      const std::size_t repeat = repeats(c, "number-columns-repeated");
      cell_text(c);
      if (text.empty()) {
        pending_empty += repeat;
        continue;
      }
      if (row.cells.size() + pending_empty + repeat > kMaxColumns)
        throw Stop(table_refusal(p, preparation::damaged_reason("ODS")));
      row.cells.resize(row.cells.size() + pending_empty);
      pending_empty = 0;
      made += repeat * (text.size() + sizeof(std::string));
      if (made > options.limit) throw Stop(table_refusal(p, preparation::too_large_reason(options.limit)));
      for (std::size_t k = 0; k < repeat; ++k) row.cells.push_back(text);
    }
    const std::size_t repeat = repeats(r, "number-rows-repeated");
    if (row.cells.empty()) {
      number += repeat;
      return;
    }
    if (number + repeat > kMaxRows) throw Stop(table_refusal(p, preparation::damaged_reason("ODS")));
    const std::vector<std::string> cells = row.cells;
    for (const auto& cell : cells) made += (repeat - 1) * (cell.size() + sizeof(std::string));
    if (made > options.limit) throw Stop(table_refusal(p, preparation::too_large_reason(options.limit)));
    for (std::size_t k = 0; k < repeat; ++k) {
      row.number = ++number;
      row.cells = cells;
      emit(row, sink);
    }
  };
  // Rows may sit inside header-row, row-group and rows elements, nested.
  walk_xml(
      table,
      [&](const pugi::xml_node& n) {
        if (n.type() != pugi::node_element) return false;
        const std::string_view name = local_name(n);
        if (name == "table-row") {
          read_row(n);
          return false;
        }
        return name == "table-header-rows" || name == "table-row-group" || name == "table-rows";
      },
      [](const pugi::xml_node&) {});
}

void read_table(const fs::path& p, const TableOptions& options, const RowSink& sink) {
  require_file(p);
  const TableFormat format = table_format_of(p);
  if (format == TableFormat::Csv) return read_csv_file(p, sink);
  if (format == TableFormat::Ods)
    return read_ods_xml(preparation::read_zip_member(p, "content.xml", "ODS", options.limit, table_refusal), p,
                        options, sink);
  std::string book = preparation::read_zip_member(p, "xl/workbook.xml", "XLSX", options.limit, table_refusal);
  std::string rels =
      preparation::read_zip_member(p, "xl/_rels/workbook.xml.rels", "XLSX", options.limit, table_refusal, false);
  std::vector<std::string> names, ids;
  xlsx_sheets(std::move(book), p, options.limit, names, ids);
  const std::size_t chosen = chosen_sheet(names, options.sheet, p);
  // The sheet's part, from the workbook's relationships; without them the
  // parts' usual names.
  std::string member = "xl/worksheets/sheet" + std::to_string(chosen + 1) + ".xml";
  if (!rels.empty()) {
    pugi::xml_document doc;
    preparation::parse_zip_xml(doc, p, rels, "XLSX", options.limit, table_refusal);
    for (pugi::xml_node r = child_named(doc, "Relationships").first_child(); r; r = r.next_sibling()) {
      if (std::string_view(r.attribute("Id").value()) != ids[chosen]) continue;
      const std::string target = r.attribute("Target").value();
      member = target.starts_with('/') ? target.substr(1) : "xl/" + target;
    }
  }
  std::string sheet = preparation::read_zip_member(p, member.c_str(), "XLSX", options.limit, table_refusal);
  std::string strings =
      preparation::read_zip_member(p, "xl/sharedStrings.xml", "XLSX", options.limit, table_refusal, false);
  read_xlsx_sheet_xml(std::move(sheet), std::move(strings), p, options.limit, sink);
}

std::vector<std::string> sheet_names(const fs::path& p, std::size_t limit) {
  require_file(p);
  std::vector<std::string> names, ids;
  switch (table_format_of(p)) {
    case TableFormat::Csv:
      break;
    case TableFormat::Xlsx:
      xlsx_sheets(preparation::read_zip_member(p, "xl/workbook.xml", "XLSX", limit, table_refusal), p, limit, names,
                  ids);
      break;
    case TableFormat::Ods: {
      std::string content = preparation::read_zip_member(p, "content.xml", "ODS", limit, table_refusal);
      pugi::xml_document doc;
      preparation::parse_zip_xml(doc, p, content, "ODS", limit, table_refusal);
      const pugi::xml_node book =
          child_named(child_named(child_named(doc, "document-content"), "body"), "spreadsheet");
      if (!book) throw Stop(table_refusal(p, preparation::damaged_reason("ODS")));
      for (const pugi::xml_node& s : ods_sheets(book)) names.emplace_back(attribute_named(s, "name").value());
      break;
    }
  }
  return names;
}

std::vector<std::string> table_header(const fs::path& p, const TableOptions& options) {
  std::vector<std::string> header;
  try {
    read_table(p, options, [&](TableRow& row) {
      header = std::move(row.cells);
      throw HeaderRead{};
    });
  } catch (const HeaderRead&) {
  }
  return header;
}

}  // namespace lumeral::variables
