#include "core/preparation/html_page.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"

namespace lumeral::preparation {

namespace {

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

bool starts_ci(std::string_view text, std::size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (ascii_lower(text[at + k]) != word[k]) return false;
  return true;
}

// The charset named after "charset" in the attribute text of a <meta> tag.
std::string charset_in(std::string_view tag) {
  for (std::size_t at = 0; at + 7 <= tag.size(); ++at) {
    if (!starts_ci(tag, at, "charset")) continue;
    std::size_t i = at + 7;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '\n' || tag[i] == '\r')) ++i;
    if (i == tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '"' || tag[i] == '\'')) ++i;
    std::string name;
    while (i < tag.size()) {
      char c = tag[i++];
      bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                c == '_' || c == '.' || c == ':';
      if (!ok) break;
      name += ascii_lower(c);
    }
    if (!name.empty()) return name;
  }
  return {};
}

}  // namespace

std::string declared_charset(std::string_view page) {
  // The first <meta> tags with a charset, in the first bytes of the page
  // (where a page must declare it); comments are not skipped, as a quick
  // look-ahead of a browser does not skip them either.
  const std::string_view head = page.substr(0, std::min<std::size_t>(page.size(), 4096));
  std::size_t at = 0;
  while ((at = head.find('<', at)) != std::string_view::npos) {
    if (starts_ci(head, at + 1, "meta")) {
      std::size_t end = head.find('>', at);
      std::string name = charset_in(head.substr(at, end == std::string_view::npos ? end : end - at));
      if (!name.empty()) return name;
    }
    ++at;
  }
  return {};
}

namespace {

// The page as UTF-8 by its byte-order mark, its declaration or its bytes.
std::string page_utf8(std::string_view page) {
  if (page.size() >= 3 && page.substr(0, 3) == "\xEF\xBB\xBF") return std::string(page.substr(3));
  if (has_utf16_bom(page)) return utf16_to_utf8(page.substr(2), page[0] == '\xFE');
  std::string charset = declared_charset(page);
  if (charset == "utf-8" || charset == "utf8") return std::string(page);
  // Pages labelled with Latin-1 or ASCII are Windows-1252 in a browser.
  if (charset.empty() || charset == "iso-8859-1" || charset == "latin1" || charset == "iso8859-1" ||
      charset == "us-ascii" || charset == "ascii" || charset == "windows-1252" || charset == "cp1252" ||
      charset == "x-cp1252" || charset == "iso_8859-1" || charset == "l1") {
    if (charset.empty() && is_utf8_with_non_ascii(page)) return std::string(page);
    return to_utf8(from_bytes(page));
  }
  if (auto converted = charset_to_utf8(page, charset.c_str())) return *converted;
  // A name nobody knows: read as an undeclared page.
  return is_utf8_with_non_ascii(page) ? std::string(page) : to_utf8(from_bytes(page));
}

enum class Kind : unsigned char { Inline, Block, Cell, Break, Skip, Head, Title, Pre };

Kind kind_of(const char* name) {
  static const struct {
    const char* name;
    Kind kind;
  } kKinds[] = {
      {"address", Kind::Block},  {"article", Kind::Block},   {"aside", Kind::Block},     {"blockquote", Kind::Block},
      {"body", Kind::Block},     {"caption", Kind::Block},   {"center", Kind::Block},    {"dd", Kind::Block},
      {"details", Kind::Block},  {"dialog", Kind::Block},    {"dir", Kind::Block},       {"div", Kind::Block},
      {"dl", Kind::Block},       {"dt", Kind::Block},        {"fieldset", Kind::Block},  {"figcaption", Kind::Block},
      {"figure", Kind::Block},   {"footer", Kind::Block},    {"form", Kind::Block},      {"frameset", Kind::Block},
      {"h1", Kind::Block},       {"h2", Kind::Block},        {"h3", Kind::Block},        {"h4", Kind::Block},
      {"h5", Kind::Block},       {"h6", Kind::Block},        {"header", Kind::Block},    {"hgroup", Kind::Block},
      {"hr", Kind::Block},       {"html", Kind::Block},      {"legend", Kind::Block},    {"li", Kind::Block},
      {"main", Kind::Block},     {"menu", Kind::Block},      {"nav", Kind::Block},       {"ol", Kind::Block},
      {"optgroup", Kind::Block}, {"option", Kind::Block},    {"p", Kind::Block},         {"section", Kind::Block},
      {"summary", Kind::Block},  {"table", Kind::Block},     {"tbody", Kind::Block},     {"tfoot", Kind::Block},
      {"thead", Kind::Block},    {"tr", Kind::Block},        {"ul", Kind::Block},        {"textarea", Kind::Block},
      {"td", Kind::Cell},        {"th", Kind::Cell},         {"br", Kind::Break},        {"script", Kind::Skip},
      {"style", Kind::Skip},     {"noscript", Kind::Skip},   {"template", Kind::Skip},   {"head", Kind::Head},
      {"title", Kind::Title},    {"pre", Kind::Pre},         {"listing", Kind::Pre},     {"xmp", Kind::Pre},
  };
  // Looked up once per tag: a hash of the names (all short).
  static const std::unordered_map<std::string_view, Kind> kByName = [] {
    std::unordered_map<std::string_view, Kind> m;
    for (const auto& k : kKinds) m.emplace(k.name, k.kind);
    return m;
  }();
  auto it = kByName.find(std::string_view(name));
  return it == kByName.end() ? Kind::Inline : it->second;
}

// What the parser reports, turned into lines as the page shows them.
struct PageText {
  std::vector<std::string> lines;
  std::string line;
  bool space = false;  // a blank is due before the next text
  int skip = 0, head = 0, title = 0, pre = 0;

  void end_line() {
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    space = false;
  }
  void blank() { space = !line.empty(); }

  void text(const char* s, std::size_t n) {
    if (skip > 0 || (head > 0 && title == 0)) return;
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char c = static_cast<unsigned char>(s[i]);
      if (c == '\n' && pre > 0) {
        end_line();
        continue;
      }
      // Blanks, and every other control character (a page may carry them;
      // the stored line would turn them into blanks anyway), separate words.
      if (c == ' ' || c < 0x20 || c == 0x7F) {
        blank();
        continue;
      }
      if (c == 0xC2 && i + 1 < n && static_cast<unsigned char>(s[i + 1]) == 0xA0) {  // no-break space
        ++i;
        blank();
        continue;
      }
      if (c == 0xC2 && i + 1 < n && static_cast<unsigned char>(s[i + 1]) == 0xAD) {  // soft hyphen
        ++i;
        continue;
      }
      if (c == 0xE2 && i + 2 < n && static_cast<unsigned char>(s[i + 1]) == 0x80) {
        const unsigned char d = static_cast<unsigned char>(s[i + 2]);
        if (d >= 0x8B && d <= 0x8D) {  // zero-width space, non-joiner, joiner
          i += 2;
          continue;
        }
      }
      if (c == 0xEF && i + 2 < n && static_cast<unsigned char>(s[i + 1]) == 0xBB &&
          static_cast<unsigned char>(s[i + 2]) == 0xBF) {  // zero-width no-break space
        i += 2;
        continue;
      }
      if (space) {
        line += ' ';
        space = false;
      }
      line += static_cast<char>(c);
    }
  }

  void open(const char* name) {
    switch (kind_of(name)) {
      case Kind::Block: end_line(); break;
      case Kind::Cell: blank(); break;
      case Kind::Break: end_line(); break;
      case Kind::Skip: ++skip; break;
      case Kind::Head: ++head; break;
      case Kind::Title: ++title; end_line(); break;
      case Kind::Pre: ++pre; end_line(); break;
      case Kind::Inline: break;
    }
  }
  void close(const char* name) {
    switch (kind_of(name)) {
      case Kind::Block: end_line(); break;
      case Kind::Cell: blank(); break;
      case Kind::Break: break;
      case Kind::Skip: skip = skip > 0 ? skip - 1 : 0; break;
      case Kind::Head: head = head > 0 ? head - 1 : 0; break;
      case Kind::Title: title = title > 0 ? title - 1 : 0; end_line(); break;
      case Kind::Pre: pre = pre > 0 ? pre - 1 : 0; end_line(); break;
      case Kind::Inline: break;
    }
  }
};

void on_open(void* user, const xmlChar* name, const xmlChar**) {
  static_cast<PageText*>(user)->open(reinterpret_cast<const char*>(name));
}
void on_close(void* user, const xmlChar* name) {
  static_cast<PageText*>(user)->close(reinterpret_cast<const char*>(name));
}
void on_text(void* user, const xmlChar* text, int n) {
  static_cast<PageText*>(user)->text(reinterpret_cast<const char*>(text), static_cast<std::size_t>(n));
}
void on_script(void*, const xmlChar*, int) {}  // the text of <script> and <style>

}  // namespace

std::vector<std::string> page_paragraphs(std::string_view page) {
  static std::once_flag init;
  std::call_once(init, [] { xmlInitParser(); });  // before parsing on several threads
  const std::string utf8 = page_utf8(page);
  PageText out;
  // An empty page has no text (the parser makes no context for it).
  if (utf8.empty()) return {};
  if (utf8.size() > static_cast<std::size_t>(INT32_MAX))
    throw Stop("Página grande demais para ser lida (mais de 2 GB).");
  htmlSAXHandler sax;
  std::memset(&sax, 0, sizeof sax);
  sax.startElement = on_open;
  sax.endElement = on_close;
  sax.characters = on_text;
  sax.cdataBlock = on_script;
  htmlParserCtxtPtr ctxt = htmlCreateMemoryParserCtxt(utf8.data(), static_cast<int>(utf8.size()));
  if (!ctxt) throw Stop("Sem memória para ler a página.");
  xmlSAXHandlerPtr own = ctxt->sax;
  ctxt->sax = &sax;
  ctxt->userData = &out;
  htmlCtxtUseOptions(ctxt, HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC);
  xmlSwitchEncoding(ctxt, XML_CHAR_ENCODING_UTF8);
  htmlParseDocument(ctxt);
  ctxt->sax = own;
  ctxt->userData = nullptr;
  htmlFreeParserCtxt(ctxt);
  out.end_line();
  return std::move(out.lines);
}

StoredLines read_html_page(std::string_view page) {
  StoredLines stored = to_stored_lines(page_paragraphs(page));
  // A character the code page lacks may be stored as a blank or end in one
  // (wide spaces, a transliterated syllable): a line never starts or ends
  // with a blank, and a line left with nothing is no paragraph.
  std::size_t kept = 0;
  for (Ansi& line : stored.lines) {
    const auto first = line.find_first_not_of(' ');
    if (first == Ansi::npos) continue;
    line.erase(line.find_last_not_of(' ') + 1);
    line.erase(0, first);
    if (&stored.lines[kept] != &line) stored.lines[kept] = std::move(line);
    ++kept;
  }
  stored.lines.resize(kept);
  return stored;
}

std::size_t convert_html_page(const fs::path& in, const fs::path& out) {
  StoredLines stored = read_html_page(read_bytes(in));
  write_text_file(out, stored.lines);
  return stored.replaced;
}

}  // namespace lumeral::preparation
