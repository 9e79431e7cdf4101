// Reading exported tables back, independently of the writers: a small
// RFC 4180 parser for CSV and a reader of the first sheet of an XLSX file
// (unzipped with libzip, its XML read with pugixml). Header-only; a test
// program that includes it links libzip and pugixml.
#pragma once

#include <pugixml.hpp>
#include <zip.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumeral::testing {

struct Csv {
  bool bom = false;         // began with the UTF-8 byte-order mark
  bool crlf = true;         // every record ended by CR LF
  bool well_formed = true;  // no stray quote, no unterminated quoted field
  std::vector<std::vector<std::string>> rows;
};

inline Csv parse_csv(std::string_view bytes, char separator) {
  Csv csv;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    csv.bom = true;
    bytes.remove_prefix(3);
  }
  std::vector<std::string> row;
  std::string field;
  std::size_t i = 0;
  bool field_started = false;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c == '"' && !field_started) {
      // A quoted field: up to the lone closing quote; "" is one quote.
      ++i;
      for (;;) {
        if (i >= bytes.size()) {
          csv.well_formed = false;
          break;
        }
        if (bytes[i] == '"') {
          if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += bytes[i++];
      }
      field_started = true;
      if (i < bytes.size() && bytes[i] != separator && bytes[i] != '\r' && bytes[i] != '\n') csv.well_formed = false;
      continue;
    }
    if (c == separator) {
      row.push_back(std::move(field));
      field.clear();
      field_started = false;
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      else csv.crlf = false;
      ++i;
      row.push_back(std::move(field));
      field.clear();
      field_started = false;
      csv.rows.push_back(std::move(row));
      row.clear();
      continue;
    }
    if (c == '"') csv.well_formed = false;  // a quote inside an unquoted field
    field += c;
    field_started = true;
    ++i;
  }
  if (field_started || !row.empty()) {
    csv.crlf = false;  // the last record had no line end
    row.push_back(std::move(field));
    csv.rows.push_back(std::move(row));
  }
  return csv;
}

// A cell of the sheet: a shared string (`t="s"`), a string held in the
// cell (`t="inlineStr"`, as a sheet written row by row holds them) or the
// raw value text.
struct SheetCell {
  bool shared_string = false;
  bool inline_string = false;
  std::string text;  // the string, or the value as stored ("0.1234")
  int style = 0;     // the cell's `s` attribute
};
struct Sheet {
  std::vector<std::vector<std::optional<SheetCell>>> rows;  // by row, then column
  std::map<int, std::string> number_formats;               // style index -> format code ("0.00")
  std::vector<int> bold_styles;                            // style indexes whose font is bold
};

inline std::optional<std::string> zip_entry(zip_t* z, const char* name) {
  zip_stat_t st;
  if (zip_stat(z, name, 0, &st) != 0) return std::nullopt;
  zip_file_t* f = zip_fopen(z, name, 0);
  if (!f) return std::nullopt;
  std::string data(st.size, '\0');
  zip_int64_t n = zip_fread(f, data.data(), st.size);
  zip_fclose(f);
  if (n != static_cast<zip_int64_t>(st.size)) return std::nullopt;
  return data;
}

// Column index of a cell reference ("C7" -> 2).
inline std::size_t column_of(const std::string& ref) {
  std::size_t col = 0;
  for (char c : ref) {
    if (c < 'A' || c > 'Z') break;
    col = col * 26 + static_cast<std::size_t>(c - 'A' + 1);
  }
  return col - 1;
}

// A sheet's text with its "_xHHHH_" escapes (control characters such as
// CR) turned back into the characters they stand for, as a spreadsheet
// program shows them.
inline std::string unescape_sheet_text(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    if (s.compare(i, 2, "_x") == 0 && i + 7 <= s.size() && s[i + 6] == '_' &&
        s.find_first_not_of("0123456789ABCDEFabcdef", i + 2) == i + 6) {
      unsigned long code = std::strtoul(s.substr(i + 2, 4).c_str(), nullptr, 16);
      if (code < 0x80) {
        out += static_cast<char>(code);
        i += 7;
        continue;
      }
    }
    out += s[i++];
  }
  return out;
}

// The first sheet; nothing when the file is not a workbook.
inline std::optional<Sheet> read_xlsx(const std::filesystem::path& p) {
  int err = 0;
  zip_t* z = zip_open(p.c_str(), ZIP_RDONLY, &err);
  if (!z) return std::nullopt;
  auto sheet_xml = zip_entry(z, "xl/worksheets/sheet1.xml");
  auto strings_xml = zip_entry(z, "xl/sharedStrings.xml");
  auto styles_xml = zip_entry(z, "xl/styles.xml");
  zip_close(z);
  if (!sheet_xml) return std::nullopt;

  std::vector<std::string> strings;
  pugi::xml_document sdoc;
  // Line ends are kept as written (an escaped CR stays a CR).
  const unsigned parse = pugi::parse_default & ~pugi::parse_eol;
  if (strings_xml && sdoc.load_string(strings_xml->c_str(), parse)) {
    for (auto si : sdoc.child("sst").children("si")) {
      std::string s;
      // Plain <t>, or runs <r><t>.
      if (si.child("t")) s = si.child("t").text().get();
      for (auto r : si.children("r")) s += r.child("t").text().get();
      strings.push_back(unescape_sheet_text(s));
    }
  }
  Sheet sheet;
  pugi::xml_document styles;
  if (styles_xml && styles.load_string(styles_xml->c_str())) {
    std::map<int, std::string> custom;
    for (auto f : styles.child("styleSheet").child("numFmts").children("numFmt"))
      custom[f.attribute("numFmtId").as_int()] = f.attribute("formatCode").value();
    std::vector<bool> bold_fonts;
    for (auto f : styles.child("styleSheet").child("fonts").children("font")) bold_fonts.push_back(bool(f.child("b")));
    int index = 0;
    for (auto xf : styles.child("styleSheet").child("cellXfs").children("xf")) {
      int id = xf.attribute("numFmtId").as_int();
      if (custom.count(id)) sheet.number_formats[index] = custom[id];
      else if (id == 1) sheet.number_formats[index] = "0";
      else if (id == 2) sheet.number_formats[index] = "0.00";
      std::size_t font = xf.attribute("fontId").as_uint();
      if (font < bold_fonts.size() && bold_fonts[font]) sheet.bold_styles.push_back(index);
      ++index;
    }
  }
  pugi::xml_document doc;
  if (!doc.load_string(sheet_xml->c_str())) return std::nullopt;
  for (auto row : doc.child("worksheet").child("sheetData").children("row")) {
    std::size_t r = row.attribute("r").as_uint() - 1;
    if (sheet.rows.size() <= r) sheet.rows.resize(r + 1);
    for (auto c : row.children("c")) {
      std::size_t col = column_of(c.attribute("r").value());
      auto& cells = sheet.rows[r];
      if (cells.size() <= col) cells.resize(col + 1);
      SheetCell cell;
      cell.style = c.attribute("s").as_int();
      std::string v = c.child("v").text().get();
      if (std::string(c.attribute("t").value()) == "inlineStr") {
        cell.inline_string = true;
        pugi::xml_node is = c.child("is");
        std::string text = is.child("t").text().get();
        for (auto r : is.children("r")) text += r.child("t").text().get();
        cell.text = unescape_sheet_text(text);
      } else if (std::string(c.attribute("t").value()) == "s") {
        cell.shared_string = true;
        std::size_t k = std::strtoul(v.c_str(), nullptr, 10);
        cell.text = k < strings.size() ? strings[k] : "<índice inválido>";
      } else {
        cell.text = v;
      }
      cells[col] = cell;
    }
  }
  return sheet;
}

// The decimals of a format code "0.000" (0 for "0", -1 for "General").
inline int format_decimals(const std::string& code) {
  if (code == "General") return -1;
  auto dot = code.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(code.size() - dot - 1);
}

}  // namespace lumeral::testing
