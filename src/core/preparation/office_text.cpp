#include "core/preparation/office_text.h"

#include <pugixml.hpp>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/preparation/split.h"

namespace lumeral::preparation {

namespace {

bool ends_ci(AnsiView name, AnsiView ext) {
  return name.size() > ext.size() && equals_ci(name.substr(name.size() - ext.size()), ext);
}

std::string left_out(const fs::path& p, const std::string& why) {
  return "O documento " + message_name(p.filename()) + " " + why + " e ficou fora da preparação.";
}

// ---- ZIP + XML (DOCX, ODT)

// One member of a ZIP file, whole. Stops naming the file when the archive
// is damaged, the member is missing or encrypted.
std::string zip_member(const fs::path& p, const char* member, const char* kind) {
  int err = 0;
  zip_t* z = zip_open(p.c_str(), ZIP_RDONLY, &err);
  if (!z) {
    if (err == ZIP_ER_OPEN || err == ZIP_ER_READ) {
      std::error_code ec;
      if (!fs::exists(p, ec)) throw Stop(left_out(p, "não existe"));
      throw Stop(left_out(p, "não pôde ser lido"));
    }
    // A password-protected Word document is no ZIP at all but a compound
    // file with the encrypted package inside.
    std::string head(8, '\0');
    if (std::FILE* f = std::fopen(p.c_str(), "rb")) {
      head.resize(std::fread(head.data(), 1, head.size(), f));
      std::fclose(f);
    }
    if (head == std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
      throw Stop(left_out(p, "está protegido por senha (ou gravado num formato antigo)"));
    throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  }
  std::unique_ptr<zip_t, void (*)(zip_t*)> archive(z, [](zip_t* a) { zip_discard(a); });
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(z, member, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
    throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw Stop(left_out(p, "está protegido por senha"));
  // A member that claims more than the archive could hold is damaged, not
  // a reason to reserve gigabytes.
  std::error_code ec;
  const auto file_size = fs::file_size(p, ec);
  if (st.size > 64ull * 1024 * 1024 && (ec || st.size > 2000ull * file_size))
    throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  zip_file_t* f = zip_fopen(z, member, 0);
  if (!f) {
    if (zip_get_error(z)->zip_err == ZIP_ER_NOPASSWD || zip_get_error(z)->zip_err == ZIP_ER_WRONGPASSWD)
      throw Stop(left_out(p, "está protegido por senha"));
    throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  }
  std::string bytes(static_cast<std::size_t>(st.size), '\0');
  zip_int64_t got = zip_fread(f, bytes.data(), st.size);
  zip_fclose(f);
  if (got < 0 || static_cast<zip_uint64_t>(got) != st.size)
    throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  return bytes;
}

pugi::xml_document parse_xml(const fs::path& p, const std::string& bytes, const char* kind) {
  pugi::xml_document doc;
  // Whitespace-only text is kept: in a DOCX "<w:t> </w:t>" is a blank.
  auto ok = doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  if (!ok) throw Stop(left_out(p, std::string("está danificado (não é um arquivo ") + kind + " válido)"));
  return doc;
}

// DOCX: every w:p is a line (a paragraph inside another, as in a text
// box, gives its own line after the text before it); w:t is text, w:tab a
// tab, w:br/w:cr a line break. Deleted text, field codes and the fallback
// copy of drawings are left out.
void walk_docx(const pugi::xml_node& node, std::vector<std::string>& out, std::string* line) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    std::string_view name = child.name();
    if (name == "w:p") {
      if (line && !line->empty()) {
        out.push_back(*line);
        line->clear();
      }
      std::string own;
      walk_docx(child, out, &own);
      out.push_back(std::move(own));
    } else if (name == "w:t") {
      if (line) *line += child.child_value();
    } else if (name == "w:tab") {
      if (line) *line += '\t';
    } else if (name == "w:br" || name == "w:cr") {
      if (line) {
        out.push_back(*line);
        line->clear();
      }
    } else if (name == "w:delText" || name == "w:instrText" || name == "mc:Fallback") {
      continue;
    } else if (child.type() == pugi::node_element) {
      walk_docx(child, out, line);
    }
  }
}

// ODT: text:p and text:h are lines, in document order through lists,
// tables and sections; text:s is one blank or text:c of them, text:tab a
// tab, text:line-break a line break. Runs of white space in the XML are
// one blank (the format's rule). Notes' bodies, annotations and tracked
// (deleted) changes are left out.
void walk_odt(const pugi::xml_node& node, std::vector<std::string>& out, std::string* line) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      if (!line) continue;
      for (const char* c = child.value(); *c; ++c) {
        bool space = *c == ' ' || *c == '\t' || *c == '\n' || *c == '\r';
        if (!space) *line += *c;
        else if (!line->empty() && line->back() != ' ') *line += ' ';
      }
      continue;
    }
    if (child.type() != pugi::node_element) continue;
    std::string_view name = child.name();
    if (name == "text:p" || name == "text:h") {
      if (line && !line->empty()) {
        out.push_back(*line);
        line->clear();
      }
      std::string own;
      walk_odt(child, out, &own);
      while (!own.empty() && own.back() == ' ') own.pop_back();
      out.push_back(std::move(own));
    } else if (name == "text:s") {
      if (line) line->append(static_cast<std::size_t>(std::clamp(child.attribute("text:c").as_int(1), 1, 1000)), ' ');
    } else if (name == "text:tab") {
      if (line) *line += '\t';
    } else if (name == "text:line-break") {
      if (line) {
        out.push_back(*line);
        line->clear();
      }
    } else if (name == "text:note-body" || name == "office:annotation" || name == "text:tracked-changes" ||
               name == "text:note-citation") {
      continue;
    } else {
      walk_odt(child, out, line);
    }
  }
}

// ---- PDF

// Poppler reports damaged files on standard error; the preparation tells
// the user itself, in Portuguese.
void silence_poppler() {
  static std::once_flag once;
  std::call_once(once, [] { poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr); });
}

std::string ustring_utf8(const poppler::ustring& u) {
  poppler::byte_array b = u.to_utf8();
  return std::string(b.begin(), b.end());
}

bool blank(std::string_view s) {
  for (char c : s)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f') return false;
  return true;
}

// The page text in reading order comes as visual lines; the lines of one
// paragraph are joined with a blank (a word cut by a hyphen at the end of
// a line is joined whole), and an empty line or the page's end closes it.
void add_paragraphs(std::string_view text, std::vector<std::string>& out) {
  std::string paragraph;
  auto close = [&] {
    if (!paragraph.empty()) out.push_back(std::move(paragraph));
    paragraph.clear();
  };
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    std::string_view l = text.substr(pos, nl - pos);
    while (!l.empty() && (l.back() == '\r' || l.back() == ' ' || l.back() == '\f')) l.remove_suffix(1);
    while (!l.empty() && (l.front() == ' ' || l.front() == '\f')) l.remove_prefix(1);
    if (l.empty()) {
      close();
    } else {
      if (!paragraph.empty()) {
        const bool hyphen = paragraph.size() >= 2 && paragraph.back() == '-' && paragraph[paragraph.size() - 2] != ' ';
        if (hyphen) paragraph.pop_back();
        else paragraph += ' ';
      }
      paragraph += l;
    }
    pos = nl + 1;
  }
  close();
}

// ---- characters outside Windows-1252

class Approximations {
 public:
  // The stored text of one character Windows-1252 lacks ("?" when there
  // is no Latin equivalent that fits).
  Ansi of(UChar32 c) {
    std::lock_guard lock(mutex_);
    auto it = cache_.find(c);
    if (it != cache_.end()) return it->second;
    Ansi a = compute(c);
    cache_.emplace(c, a);
    return a;
  }

 private:
  Ansi compute(UChar32 c) {
    // Quotes, dashes, spaces and ligatures first: the common ones in
    // word-processor text, with equivalents the code page has.
    switch (c) {
      case 0x2010: case 0x2011: case 0x2012: case 0x2212: return Ansi("-");
      case 0x2002: case 0x2003: case 0x2009: case 0x200A: case 0x202F: case 0x2007: return Ansi(" ");
      case 0x200B: case 0x200C: case 0x200D: case 0x2060: case 0xFEFF: case 0x00AD: return Ansi();
      case 0x2032: return Ansi("'");
      case 0x2033: return Ansi("\"");
      case 0x2028: case 0x2029: return Ansi(" ");
      default: break;
    }
    if (!translit_) {
      UErrorCode err = U_ZERO_ERROR;
      translit_.reset(icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, err));
      if (U_FAILURE(err)) translit_.reset();
    }
    if (translit_) {
      icu::UnicodeString u(c);
      translit_->transliterate(u);
      std::string utf8;
      u.toUTF8String(utf8);
      if (!utf8.empty()) {
        Ansi a = to_ansi(utf8);
        bool fits = to_utf8(a) == utf8 && a.size() <= 4;
        bool changed = !(u.length() == 1 && u.char32At(0) == c);
        if (fits && changed) return a;
      }
    }
    return Ansi("?");
  }

  std::mutex mutex_;
  std::unique_ptr<icu::Transliterator> translit_;
  std::unordered_map<UChar32, Ansi> cache_;
};

Approximations& approximations() {
  static Approximations a;
  return a;
}

}  // namespace

std::optional<OfficeFormat> office_format_of(AnsiView name) {
  for (OfficeFormat f : kOfficeFormats)
    if (ends_ci(name, AnsiView(office_extension(f)))) return f;
  return std::nullopt;
}

const char* office_extension(OfficeFormat f) {
  switch (f) {
    case OfficeFormat::Docx: return ".docx";
    case OfficeFormat::Odt: return ".odt";
    case OfficeFormat::Pdf: break;
  }
  return ".pdf";
}

const char* converted_prefix(OfficeFormat f) {
  switch (f) {
    case OfficeFormat::Docx: return "docx-";
    case OfficeFormat::Odt: return "odt-";
    case OfficeFormat::Pdf: break;
  }
  return "pdf-";
}

Ansi converted_name(OfficeFormat f, std::size_t i) {
  return Ansi(converted_prefix(f)) + document_number(static_cast<long long>(i)) + Ansi(".txt");
}

std::vector<std::string> extract_docx(const fs::path& p) {
  const std::string xml = zip_member(p, "word/document.xml", "DOCX");
  pugi::xml_document doc = parse_xml(p, xml, "DOCX");
  std::vector<std::string> lines;
  pugi::xml_node body = doc.child("w:document").child("w:body");
  if (!body) throw Stop(left_out(p, "está danificado (não é um arquivo DOCX válido)"));
  walk_docx(body, lines, nullptr);
  return lines;
}

std::vector<std::string> extract_odt(const fs::path& p) {
  const std::string xml = zip_member(p, "content.xml", "ODT");
  // A password-protected ODT is a plain ZIP whose members are encrypted by
  // the format itself, as its manifest says.
  if (xml.find("<office:document-content") == std::string::npos) {
    std::string manifest;
    try {
      manifest = zip_member(p, "META-INF/manifest.xml", "ODT");
    } catch (const Stop&) {
    }
    if (manifest.find("encryption-data") != std::string::npos) throw Stop(left_out(p, "está protegido por senha"));
  }
  pugi::xml_document doc = parse_xml(p, xml, "ODT");
  pugi::xml_node body = doc.child("office:document-content").child("office:body");
  if (!body) throw Stop(left_out(p, "está danificado (não é um arquivo ODT válido)"));
  std::vector<std::string> lines;
  walk_odt(body, lines, nullptr);
  return lines;
}

std::vector<std::string> extract_pdf(const fs::path& p) {
  silence_poppler();
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop(left_out(p, "não existe"));
  // Read here, so a file that cannot be read is told apart from a damaged one.
  const std::string bytes = read_bytes(p);
  std::unique_ptr<poppler::document> doc(
      poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  if (!doc) {
    // Poppler tells an encrypted file it cannot open only by failing; the
    // file's trailer names its encryption dictionary.
    if (bytes.find("/Encrypt") != std::string::npos) throw Stop(left_out(p, "está protegido por senha"));
    throw Stop(left_out(p, "está danificado (não é um arquivo PDF válido)"));
  }
  if (doc->is_locked()) throw Stop(left_out(p, "está protegido por senha"));
  std::vector<std::string> lines;
  bool any_text = false;
  const int pages = doc->pages();
  for (int i = 0; i < pages; ++i) {
    std::unique_ptr<poppler::page> page(doc->create_page(i));
    if (!page) continue;
    const std::string text = ustring_utf8(page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout));
    if (!blank(text)) any_text = true;
    add_paragraphs(text, lines);
  }
  if (!any_text)
    throw Stop(left_out(p, "não tem texto (só imagens, como um documento digitalizado)"));
  return lines;
}

std::vector<std::string> extract_office_text(OfficeFormat f, const fs::path& p) {
  switch (f) {
    case OfficeFormat::Docx: return extract_docx(p);
    case OfficeFormat::Odt: return extract_odt(p);
    case OfficeFormat::Pdf: break;
  }
  return extract_pdf(p);
}

StoredLines to_stored_lines(const std::vector<std::string>& utf8_lines) {
  StoredLines out;
  out.lines.reserve(utf8_lines.size());
  for (const auto& line : utf8_lines) {
    Ansi stored;
    stored.reserve(line.size());
    const auto* s = reinterpret_cast<const uint8_t*>(line.data());
    const auto len = static_cast<int32_t>(line.size());
    int32_t i = 0;
    while (i < len) {
      if (s[i] < 0x80) {
        char c = static_cast<char>(s[i++]);
        // Control characters other than the tab would break the document
        // into lines of their own: a blank instead.
        stored += (static_cast<unsigned char>(c) < 0x20 && c != '\t') ? ' ' : c;
        continue;
      }
      const int32_t start = i;
      UChar32 c;
      U8_NEXT(s, i, len, c);
      if (c < 0) {
        stored += '?';
        ++out.replaced;
        continue;
      }
      if (c >= 0xA0 && c <= 0xFF) {  // where Windows-1252 and Latin-1 agree: the same byte
        stored += static_cast<char>(c);
        continue;
      }
      const std::string_view one(line.data() + start, static_cast<std::size_t>(i - start));
      Ansi a = to_ansi(one);
      // to_ansi gives "?" for a character the code page lacks, and keeps
      // the C1 controls (0x80-0x9F), which are no text either.
      if (a != Ansi("?") && !(c >= 0x80 && c <= 0x9F)) {
        stored += a;
        continue;
      }
      stored += approximations().of(c);
      ++out.replaced;
    }
    out.lines.push_back(std::move(stored));
  }
  return out;
}

std::size_t convert_office_file(OfficeFormat f, const fs::path& in, const fs::path& out) {
  StoredLines stored = to_stored_lines(extract_office_text(f, in));
  write_text_file(out, stored.lines);
  return stored.replaced;
}

std::string replaced_characters_message(const std::string& document, std::size_t replaced) {
  return "O documento \"" + document + "\" tem " + std::to_string(replaced) +
         (replaced == 1 ? " caractere que não existe" : " caracteres que não existem") +
         " no Windows-1252, trocado" + (replaced == 1 ? "" : "s") + " pelo equivalente mais próximo ou por \"?\".";
}

}  // namespace lumeral::preparation
