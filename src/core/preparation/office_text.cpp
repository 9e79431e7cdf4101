#include "core/preparation/office_text.h"

#include <pugixml.hpp>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>
#include <zip.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
#include "core/base/xml_walk.h"
#include "core/preparation/split.h"

namespace lumeral::preparation {

namespace {

bool ends_ci(AnsiView name, AnsiView ext) {
  return name.size() > ext.size() && equals_ci(name.substr(name.size() - ext.size()), ext);
}

std::string left_out(const fs::path& p, const std::string& why) {
  return "O documento " + message_name(p.filename()) + " " + why + " e ficou fora da preparação.";
}

std::string too_large(const fs::path& p, std::size_t limit) { return left_out(p, too_large_reason(limit)); }

std::string damaged(const char* kind) {
  return std::string("está danificado (não é um arquivo ") + kind + " válido)";
}

}  // namespace

// ---- ZIP + XML (DOCX, ODT; the spreadsheet tables read them too)

std::string too_large_reason(std::size_t limit) {
  return "é grande demais: aberto, passaria de " + std::to_string(limit / kMegabyte) +
         " MB, o limite de um documento (um quarto da memória reservada às análises),";
}

std::string damaged_reason(const char* kind) { return damaged(kind); }

std::string read_zip_member(const fs::path& p, const char* member, const char* kind, std::size_t limit,
                            RefusalSentence left_out, bool required) {
  auto too_large = [&](const fs::path& file, std::size_t bound) { return left_out(file, too_large_reason(bound)); };
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
    throw Stop(left_out(p, damaged(kind)));
  }
  std::unique_ptr<zip_t, void (*)(zip_t*)> archive(z, [](zip_t* a) { zip_discard(a); });
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(z, member, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
    if (!required && zip_get_error(z)->zip_err == ZIP_ER_NOENT) return {};
    throw Stop(left_out(p, damaged(kind)));
  }
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw Stop(left_out(p, "está protegido por senha"));
  // A member that claims more than the archive could hold is damaged, not
  // a reason to reserve gigabytes.
  std::error_code ec;
  const auto file_size = fs::file_size(p, ec);
  if (st.size > 64ull * 1024 * 1024 && (ec || st.size > 2000ull * file_size)) throw Stop(left_out(p, damaged(kind)));
  if (st.size > limit) throw Stop(too_large(p, limit));
  std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen(z, member, 0), zip_fclose);
  if (!f) {
    if (zip_get_error(z)->zip_err == ZIP_ER_NOPASSWD || zip_get_error(z)->zip_err == ZIP_ER_WRONGPASSWD)
      throw Stop(left_out(p, "está protegido por senha"));
    throw Stop(left_out(p, damaged(kind)));
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.size));
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  for (;;) {
    const std::size_t at = bytes.size();
    // One byte past the declared size: a member longer than it says is
    // damaged (its size is what the limit was checked against).
    const std::size_t want = std::min<std::size_t>(kChunk, static_cast<std::size_t>(st.size) + 1 - std::min<std::size_t>(at, st.size));
    bytes.resize(at + want);
    const zip_int64_t got = zip_fread(f.get(), bytes.data() + at, want);
    if (got < 0) throw Stop(left_out(p, damaged(kind)));
    bytes.resize(at + static_cast<std::size_t>(got));
    if (bytes.size() > limit) throw Stop(too_large(p, limit));
    if (got == 0 || bytes.size() > st.size) break;
  }
  if (bytes.size() != st.size) throw Stop(left_out(p, damaged(kind)));
  return bytes;
}

namespace {

std::string zip_member(const fs::path& p, const char* member, const char* kind, std::size_t limit) {
  return read_zip_member(p, member, kind, limit, left_out);
}

// The XML tree's own memory (pugixml's nodes, attributes and copies), per
// thread: while a ParseLimit is in force, an allocation that would take
// the tree past it fails and the parse reports it is out of memory.
struct TreeMemory {
  std::size_t used = 0;
  std::size_t limit = 0;
};
thread_local TreeMemory* tree_memory = nullptr;

void* tree_allocate(std::size_t size) {
  TreeMemory* m = tree_memory;
  if (m && size > m->limit - std::min(m->used, m->limit)) return nullptr;
  void* p = std::malloc(size);
  if (m && p) m->used += ::malloc_usable_size(p);
  return p;
}

void tree_free(void* p) {
  if (TreeMemory* m = tree_memory; m && p) m->used -= std::min(m->used, ::malloc_usable_size(p));
  std::free(p);
}

// Installed before main, while no tree exists (the functions still
// allocate with malloc, so a tree made earlier is freed as before).
const bool tree_memory_counted = [] {
  pugi::set_memory_management_functions(tree_allocate, tree_free);
  return true;
}();

class ParseLimit {
 public:
  explicit ParseLimit(std::size_t limit) : memory_{0, limit}, outer_(tree_memory) { tree_memory = &memory_; }
  ~ParseLimit() { tree_memory = outer_; }
  ParseLimit(const ParseLimit&) = delete;
  ParseLimit& operator=(const ParseLimit&) = delete;

 private:
  TreeMemory memory_;
  TreeMemory* outer_;
};

}  // namespace

void parse_zip_xml(pugi::xml_document& doc, const fs::path& p, std::string& bytes, const char* kind,
                   std::size_t limit, RefusalSentence left_out) {
  ParseLimit tree_limit(limit);
  // Whitespace-only text is kept: in a DOCX "<w:t> </w:t>" is a blank.
  auto ok = doc.load_buffer_inplace(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  if (ok.status == pugi::status_out_of_memory) throw Stop(left_out(p, too_large_reason(limit)));
  if (!ok) throw Stop(left_out(p, damaged(kind)));
}

namespace {

void parse_xml(pugi::xml_document& doc, const fs::path& p, std::string& bytes, const char* kind, std::size_t limit) {
  parse_zip_xml(doc, p, bytes, kind, limit, left_out);
}

// The lines of a document body as the walks below gather them: a stack of
// open paragraphs (a paragraph inside another, as in a text box, ends the
// text before it as a line of its own and continues after it), and the
// bytes kept, which may not pass the limit.
class Lines {
 public:
  Lines(const fs::path& p, std::size_t limit) : path_(p), limit_(limit) {}

  // The line being filled, or null outside any paragraph.
  std::string* line() { return open_.empty() ? nullptr : &open_.back(); }
  void add(std::string_view text) {
    if (open_.empty()) return;
    count(text.size());
    open_.back() += text;
  }
  void add_blanks(std::size_t n) {
    if (open_.empty()) return;
    count(n);
    open_.back().append(n, ' ');
  }
  void open_paragraph() {
    if (!open_.empty() && !open_.back().empty()) end_line();
    open_.emplace_back();
  }
  void close_paragraph(bool trim_blanks) {
    std::string own = std::move(open_.back());
    open_.pop_back();
    if (trim_blanks)
      while (!own.empty() && own.back() == ' ') own.pop_back();
    push(std::move(own));
  }
  // A line break: the text so far is a line, even an empty one.
  void end_line() {
    if (open_.empty()) return;
    push(open_.back());
    open_.back().clear();
  }
  std::vector<std::string> take() { return std::move(out_); }

 private:
  void count(std::size_t bytes) {
    kept_ += bytes;
    if (kept_ > limit_) throw Stop(too_large(path_, limit_));
  }
  void push(std::string line) {
    count(sizeof(std::string));
    out_.push_back(std::move(line));
  }

  const fs::path& path_;
  std::size_t limit_;
  std::size_t kept_ = 0;
  std::vector<std::string> open_;
  std::vector<std::string> out_;
};


// DOCX: every w:p is a line (a paragraph inside another, as in a text
// box, gives its own line after the text before it); w:t is text, w:tab a
// tab, w:br/w:cr a line break. Deleted text, field codes and the fallback
// copy of drawings are left out.
void walk_docx(const pugi::xml_node& body, Lines& lines) {
  auto enter = [&](const pugi::xml_node& node) {
    if (node.type() != pugi::node_element) return false;
    const std::string_view name = node.name();
    if (name == "w:p") {
      lines.open_paragraph();
      return true;
    }
    if (name == "w:t") lines.add(node.child_value());
    else if (name == "w:tab") lines.add("\t");
    else if (name == "w:br" || name == "w:cr") lines.end_line();
    else if (name != "w:delText" && name != "w:instrText" && name != "mc:Fallback") return true;
    return false;
  };
  auto leave = [&](const pugi::xml_node& node) {
    if (std::string_view(node.name()) == "w:p") lines.close_paragraph(false);
  };
  walk_xml(body, enter, leave);
}

// ODT: text:p and text:h are lines, in document order through lists,
// tables and sections; text:s is one blank or text:c of them, text:tab a
// tab, text:line-break a line break. Runs of white space in the XML are
// one blank (the format's rule). Notes' bodies, annotations and tracked
// (deleted) changes are left out.
void walk_odt(const pugi::xml_node& body, Lines& lines) {
  auto paragraph = [](std::string_view name) { return name == "text:p" || name == "text:h"; };
  auto enter = [&](const pugi::xml_node& node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      const std::string* line = lines.line();
      if (!line) return false;
      std::string text;
      for (const char* c = node.value(); *c; ++c) {
        const bool space = *c == ' ' || *c == '\t' || *c == '\n' || *c == '\r';
        // No blank opens a line, none follows another.
        const char last = !text.empty() ? text.back() : !line->empty() ? line->back() : ' ';
        if (!space) text += *c;
        else if (last != ' ') text += ' ';
      }
      lines.add(text);
      return false;
    }
    if (node.type() != pugi::node_element) return false;
    const std::string_view name = node.name();
    if (paragraph(name)) {
      lines.open_paragraph();
      return true;
    }
    if (name == "text:s")
      lines.add_blanks(static_cast<std::size_t>(std::clamp(node.attribute("text:c").as_int(1), 1, 1000)));
    else if (name == "text:tab") lines.add("\t");
    else if (name == "text:line-break") lines.end_line();
    else if (name != "text:note-body" && name != "office:annotation" && name != "text:tracked-changes" &&
             name != "text:note-citation")
      return true;
    return false;
  };
  auto leave = [&](const pugi::xml_node& node) {
    if (node.type() == pugi::node_element && paragraph(node.name())) lines.close_paragraph(true);
  };
  walk_xml(body, enter, leave);
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

std::vector<std::string> extract_docx(const fs::path& p, std::size_t limit) {
  std::string xml = zip_member(p, "word/document.xml", "DOCX", limit);
  ParseLimit tree_limit(limit);
  pugi::xml_document doc;
  parse_xml(doc, p, xml, "DOCX", limit);
  pugi::xml_node body = doc.child("w:document").child("w:body");
  if (!body) throw Stop(left_out(p, damaged("DOCX")));
  Lines lines(p, limit);
  walk_docx(body, lines);
  return lines.take();
}

std::vector<std::string> extract_odt(const fs::path& p, std::size_t limit) {
  std::string xml = zip_member(p, "content.xml", "ODT", limit);
  // A password-protected ODT is a plain ZIP whose members are encrypted by
  // the format itself, as its manifest says.
  if (xml.find("<office:document-content") == std::string::npos) {
    std::string manifest;
    try {
      manifest = zip_member(p, "META-INF/manifest.xml", "ODT", limit);
    } catch (const Stop&) {
    }
    if (manifest.find("encryption-data") != std::string::npos) throw Stop(left_out(p, "está protegido por senha"));
  }
  ParseLimit tree_limit(limit);
  pugi::xml_document doc;
  parse_xml(doc, p, xml, "ODT", limit);
  pugi::xml_node body = doc.child("office:document-content").child("office:body");
  if (!body) throw Stop(left_out(p, damaged("ODT")));
  Lines lines(p, limit);
  walk_odt(body, lines);
  return lines.take();
}

std::vector<std::string> extract_pdf(const fs::path& p, std::size_t limit) {
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
  std::size_t kept = 0;
  const int pages = doc->pages();
  for (int i = 0; i < pages; ++i) {
    std::unique_ptr<poppler::page> page(doc->create_page(i));
    if (!page) continue;
    const std::string text = ustring_utf8(page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout));
    if (!blank(text)) any_text = true;
    add_paragraphs(text, lines);
    kept += text.size();
    if (kept > limit) throw Stop(too_large(p, limit));
  }
  if (!any_text)
    throw Stop(left_out(p, "não tem texto (só imagens, como um documento digitalizado)"));
  return lines;
}

std::vector<std::string> extract_office_text(OfficeFormat f, const fs::path& p, std::size_t limit) {
  switch (f) {
    case OfficeFormat::Docx: return extract_docx(p, limit);
    case OfficeFormat::Odt: return extract_odt(p, limit);
    case OfficeFormat::Pdf: break;
  }
  return extract_pdf(p, limit);
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

std::size_t convert_office_file(OfficeFormat f, const fs::path& in, const fs::path& out, std::size_t limit) {
  StoredLines stored = to_stored_lines(extract_office_text(f, in, limit));
  write_text_file(out, stored.lines);
  return stored.replaced;
}

std::string replaced_characters_message(const std::string& document, std::size_t replaced) {
  return "O documento \"" + document + "\" tem " + std::to_string(replaced) +
         (replaced == 1 ? " caractere que não existe" : " caracteres que não existem") +
         " no Windows-1252, trocado" + (replaced == 1 ? "" : "s") + " pelo equivalente mais próximo ou por \"?\".";
}

}  // namespace lumeral::preparation
