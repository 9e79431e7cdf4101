#include "core/preparation/import.h"

#include <algorithm>
#include <unordered_map>

#include <dirent.h>
#include <sys/stat.h>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/folder_lock.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/base/parallel.h"
#include "core/preparation/html_page.h"
#include "core/preparation/html_text.h"
#include "core/preparation/split.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"

namespace lumeral::preparation {

const char* const kEmptyFolder = "Diretório Escolhido, sem arquivos textos ou html para serem processados";
const char* const kSplitNeedsOneFile = "Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! ";
const char* const kAnalysingTexts = " Analizando Texto(s)";
const char* const kEmptyTitle = "O Campo Título está em branco e é um campo Obrigatório!";

bool is_own_output(AnsiView name) {
  // Exact names only: a user's own "Relatorio.txt" stays a document.
  static const char* const own[] = {"relatorio.txt"};
  for (const char* o : own)
    if (name == AnsiView(o)) return true;
  return false;
}

std::string unusable_message(const UnusableName& u) {
  return "O documento \"" + u.name + "\" ficou fora da preparação: " + u.reason +
         ". Renomeie o arquivo para incluí-lo.";
}

std::string left_out_message(const ImportResult& result, const std::string& how) {
  const std::size_t total = result.left_out_total();
  if (total == 0) return {};
  std::string parts;
  for (OfficeFormat f : kOfficeFormats) {
    const std::size_t n = result.left_out[static_cast<int>(f)];
    if (n == 0) continue;
    if (!parts.empty()) parts += ", ";
    std::string ext = office_extension(f) + 1;
    for (char& c : ext) c = static_cast<char>(c - 'a' + 'A');
    parts += std::to_string(n) + " " + ext;
  }
  return "Ficaram fora da preparação " + std::to_string(total) + (total == 1 ? " documento" : " documentos") +
         " desta pasta (" + parts + "). " + how;
}

Ansi source_document_name(AnsiView source, const std::unordered_set<Ansi>& taken, AnsiView earlier) {
  for (char c : source)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return {};
  if (source.empty() || trim_view(source).size() != source.size()) return {};
  // Word lists and matrices are named by the companion rule, which cuts a
  // name at its first ".txt" or ".lpl": a source holding one would share
  // them with another document.
  if (find_ci(source, AnsiView(".txt")) != AnsiView::npos || find_ci(source, AnsiView(".lpl")) != AnsiView::npos)
    return {};
  // A name a document list holds whole (255 bytes) and the file system
  // takes (255 bytes of UTF-8), with room for " (n)".
  auto fits = [](const Ansi& name) { return name.size() <= 255 && to_utf8(name).size() <= 255; };
  Ansi name = Ansi(source) + Ansi(".txt");
  for (int k = 2; fits(name); ++k) {
    const Ansi key = lower_az(name);
    if (!taken.count(key) || key == earlier) return name;
    name = Ansi(source) + Ansi(" (") + ansi_number(k) + Ansi(").txt");
  }
  return {};
}

namespace {

bool ends_ci(AnsiView name, AnsiView ext) {
  return name.size() >= ext.size() && equals_ci(name.substr(name.size() - ext.size()), ext);
}

}  // namespace

namespace {

struct Keyed {
  std::string key;
  Ansi name;
};

// The names in the locale's order (ties by their bytes). The collation
// keys, the slow part on a large folder, are made on every core.
std::vector<Ansi> sorted_names(std::vector<Ansi> names, const Regional& regional) {
  std::vector<std::string> keys = regional.collation_keys(names);
  std::vector<Keyed> items;
  items.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) items.push_back({std::move(keys[i]), std::move(names[i])});
  keys = {};
  std::sort(items.begin(), items.end(), [](const Keyed& a, const Keyed& b) {
    return a.key != b.key ? a.key < b.key : a.name < b.name;
  });
  names.clear();
  for (auto& i : items) names.push_back(std::move(i.name));
  return names;
}

// Calls `each` with the bare name of every regular file of `folder` as
// stored text and as the file system holds it (a link counts as what it
// points to). Reads the folder directly: a path object per entry would
// cost more than the entry on a folder of a million documents.
template <class F>
void for_each_file(const fs::path& folder, F each) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const int fd = ::dirfd(dir);
  while (const dirent* e = ::readdir(dir)) {
    const char* raw = e->d_name;
    if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0'))) continue;
    bool regular = e->d_type == DT_REG;
    if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      struct stat st {};
      regular = ::fstatat(fd, raw, &st, 0) == 0 && S_ISREG(st.st_mode);
    }
    if (!regular) continue;
    const std::string name(raw);
    each(to_ansi(name), name);
  }
  ::closedir(dir);
}

// Why a text file's name cannot be a document name, or null. A document
// list stores the name in Windows-1252 and its readers trim it, so a name
// must survive both to find the file again; the one-line-per-document
// outputs need it free of line breaks.
const char* unusable_reason(AnsiView name, const std::string& raw) {
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      return "o nome tem uma quebra de linha ou outro caractere de controle";
  if (trim_view(name).size() != name.size()) return "o nome começa com brancos";
  if (to_utf8(name) != raw) return "o nome tem caracteres que a lista de documentos não consegue guardar";
  return nullptr;
}

// Whether `name` is prefix + a number + ".txt" ("arq-000041.txt"),
// letter case aside.
bool is_numbered(AnsiView name, AnsiView prefix) {
  if (name.size() < prefix.size() + 6 + 4 || !equals_ci(name.substr(0, prefix.size()), prefix) ||
      !ends_ci(name, AnsiView(".txt")))
    return false;
  const AnsiView digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Ansi numbered_name(AnsiView prefix, std::size_t i) {
  return Ansi(prefix) + document_number(static_cast<long long>(i)) + Ansi(".txt");
}

// A file a conversion makes documents of (a page, a DOCX, ODT or PDF), as
// opposed to the single file a split makes pieces of.
bool converted_kind(AnsiView source) { return is_html_name(source) || office_format_of(source).has_value(); }

const char* const kNumberedPrefixes[] = {"arq-", "docx-", "odt-", "pdf-"};

// Names of converted documents and what the sources file will say. Under
// the classic reading a converted document has a numbered name; under the
// complete one it is named after its source. The previous sources file
// tells which texts of the folder are earlier conversions (so a source's
// own may be written again) and which are the user's (never overwritten);
// once this run has named its documents, which earlier conversions were
// replaced by a document of another name or lost their source.
class Naming {
 public:
  Naming(const ImportInput& input, const FolderLists& lists) : input_(input) {
    previous_ = read_sources(input.folder);
    for (const auto& e : previous_) earlier_.emplace(lower_az(e.source), e.document);
    for (const auto& h : lists.htmls) present_.insert(lower_az(h));
    for (const auto& files : lists.office)
      for (const auto& f : files) present_.insert(lower_az(f));
    for (const auto& t : lists.texts) taken_.insert(lower_az(t));
    // An earlier conversion may be written again by its own source, and is
    // kept from the others while its source is in the folder.
    for (const auto& e : previous_) {
      const Ansi document = lower_az(e.document);
      taken_.erase(document);
      if (present_.count(lower_az(e.source))) reserved_.emplace(document, lower_az(e.source));
    }
    // A folder prepared before sources were recorded (a document list of
    // this title but no reading record): its numbered texts are taken for
    // earlier conversions, as they were then.
    std::error_code ec;
    if (!fs::exists(input.folder / kReadingFile, ec) && !ec &&
        fs::exists(shell::Project{input.folder, input.title}.doc_list(), ec))
      for (const auto& t : lists.texts)
        for (const char* prefix : kNumberedPrefixes)
          if (is_numbered(t, AnsiView(prefix))) taken_.erase(lower_az(t));
    users_ = taken_;
  }

  // The document name for the `i`-th of `count` sources of a kind whose
  // numbered names begin with `prefix`.
  Ansi name(AnsiView source, AnsiView prefix, std::size_t i, std::size_t count) {
    auto it = earlier_.find(lower_az(source));
    if (input_.reading == Reading::Complete) {
      const AnsiView earlier = it == earlier_.end() ? AnsiView() : AnsiView(it->second);
      Ansi name = source_document_name(source, taken_, lower_az(earlier));
      if (!name.empty()) {
        const Ansi plain = Ansi(source) + Ansi(".txt");
        if (users_.count(lower_az(plain)) && !equals_ci(name, earlier)) avoided_.push_back({plain, Ansi(source), name});
        return claim(std::move(name));
      }
    }
    return numbered(source, prefix, i, count, it == earlier_.end() ? nullptr : &it->second);
  }
  void converted(const Ansi& document, const Ansi& source) { written_.push_back({document, source}); }
  void split(const Ansi& document, const Ansi& source) { written_.push_back({document, source}); }

  // Texts of the user whose names a conversion would have taken: the user's
  // file, the source, the name its document got instead.
  struct Avoided {
    Ansi users, source, document;
  };
  const std::vector<Avoided>& avoided() const { return avoided_; }

  // Removes the earlier conversions (with their word lists) of sources
  // converted again under another name (`replaced`) and of sources no
  // longer in the folder (`orphaned`).
  struct Removed {
    std::vector<Ansi> replaced;
    std::vector<SourceEntry> orphaned;
  };
  Removed remove_stale() {
    std::unordered_set<Ansi> now, sources;
    for (const auto& e : written_) {
      now.insert(lower_az(e.document));
      sources.insert(lower_az(e.source));
    }
    Removed removed;
    for (const auto& e : previous_) {
      const Ansi key = lower_az(e.document);
      if (now.count(key)) continue;
      const bool replaced = sources.count(lower_az(e.source)) > 0;
      const bool orphaned = !replaced && converted_kind(e.source) && !present_.count(lower_az(e.source)) &&
                            !reserved_.count(key) && !source_exists(e.source);
      if (!replaced && !orphaned) continue;
      std::error_code ec;
      const fs::path doc = input_.folder / to_path(e.document);
      if (!fs::is_regular_file(doc, ec)) continue;
      fs::remove(doc, ec);
      if (ec) continue;  // it stays a document of the list, nothing is lost
      fs::remove(input_.folder / to_path(companion_name(e.document, AnsiView("lpl"))), ec);
      now.insert(key);
      if (replaced) removed.replaced.push_back(e.document);
      else removed.orphaned.push_back(e);
    }
    return removed;
  }

  // Writes the sources file, unless it would be empty and there was none.
  void write(const std::vector<Ansi>& texts) const {
    std::vector<SourceEntry> list = entries(texts);
    std::error_code ec;
    if (list.empty() && !fs::exists(input_.folder / kSourcesFile, ec)) return;
    write_sources(input_.folder, list);
  }

  // The sources file's entries for the documents of the list: this run's,
  // then what the earlier file said of the others.
  std::vector<SourceEntry> entries(const std::vector<Ansi>& texts) const {
    std::unordered_map<Ansi, const SourceEntry*> by_name;
    for (const auto& e : previous_) by_name[lower_az(e.document)] = &e;
    for (const auto& e : written_) by_name[lower_az(e.document)] = &e;
    std::vector<SourceEntry> out;
    for (const auto& t : texts) {
      auto it = by_name.find(lower_az(t));
      if (it != by_name.end()) out.push_back({t, it->second->source});
    }
    return out;
  }

 private:
  Ansi claim(Ansi name) {
    taken_.insert(lower_az(name));
    return name;
  }

  // Whether a numbered name is free for `source`: no user's text, no
  // document named this run, no earlier document of another source that is
  // still in the folder.
  bool free_for(const Ansi& key, const Ansi& source) const {
    if (taken_.count(key)) return false;
    auto it = reserved_.find(key);
    return it == reserved_.end() || it->second == source;
  }

  // The source's earlier numbered name when it had one; else the name of
  // its place in the list; when that is held, the first free number after
  // the list's count (so the later sources keep the names of their places).
  Ansi numbered(AnsiView source, AnsiView prefix, std::size_t i, std::size_t count, const Ansi* earlier) {
    const Ansi src = lower_az(source);
    if (earlier && is_numbered(*earlier, prefix) && free_for(lower_az(*earlier), src)) return claim(*earlier);
    const Ansi first = numbered_name(prefix, i);
    if (free_for(lower_az(first), src)) return claim(first);
    std::size_t& next = next_[Ansi(prefix)];
    next = std::max(next, count + 1);
    Ansi name = numbered_name(prefix, next);
    while (!free_for(lower_az(name), src)) name = numbered_name(prefix, ++next);
    ++next;
    if (users_.count(lower_az(first))) avoided_.push_back({first, Ansi(source), name});
    return claim(std::move(name));
  }

  bool source_exists(const Ansi& source) const {
    std::error_code ec;
    return fs::exists(input_.folder / to_path(source), ec) || ec;
  }

  const ImportInput& input_;
  std::vector<SourceEntry> previous_;
  std::unordered_map<Ansi, Ansi> earlier_;     // source (lowered) -> its earlier document
  std::unordered_set<Ansi> present_;           // the folder's pages and office files, lowered
  std::unordered_set<Ansi> taken_;             // users' texts and this run's documents, lowered
  std::unordered_set<Ansi> users_;             // the users' texts, lowered
  std::unordered_map<Ansi, Ansi> reserved_;    // earlier document -> its source still here, lowered
  std::unordered_map<Ansi, std::size_t> next_;  // by prefix: the next number past the list's count
  std::vector<SourceEntry> written_;
  std::vector<Avoided> avoided_;
};

// DOCX, ODT and PDF files become docx-000001.txt, odt-000001.txt,
// pdf-000001.txt ... by their place in their format's sorted list, so a
// file that is skipped does not renumber the others. A file that cannot be
// converted (damaged, encrypted, a PDF without text) is told and skipped;
// a failure to write stops the run as for HTML pages.
void convert_office_documents(const ImportInput& input, ImportResult& result, Naming& naming,
                              Progress& progress) {
  for (OfficeFormat f : kOfficeFormats) {
    if (!input.formats.converts(f)) continue;
    const auto& files = result.first.of(f);
    for (std::size_t i = 0; i < files.size(); ++i) {
      progress.checkpoint();
      const Ansi name = naming.name(files[i], AnsiView(converted_prefix(f)), i + 1, files.size());
      const fs::path source = input.folder / to_path(files[i]);
      StoredLines stored;
      try {
        stored = to_stored_lines(extract_office_text(f, source, document_size_limit(input.memory_budget)));
      } catch (const Stop& skipped) {
        result.messages.push_back({skipped.text(), MessageKind::Warning});
        continue;
      }
      write_text_file(input.folder / to_path(name), stored.lines);
      if (stored.replaced > 0)
        result.messages.push_back(
            {replaced_characters_message(to_utf8(files[i]), stored.replaced), MessageKind::Information});
      result.office_converted.push_back(name);
      naming.converted(name, files[i]);
    }
  }
}

// Tells what the naming did: user's texts a conversion kept clear of, and
// earlier conversions removed.
void report_naming(Naming& naming, ImportResult& result) {
  auto quoted = [](const Ansi& name) { return "\"" + to_utf8(name) + "\""; };
  const auto& avoided = naming.avoided();
  if (!avoided.empty()) {
    const auto& a = avoided.front();
    const std::size_t n = avoided.size();
    result.messages.push_back(
        {(n == 1 ? "O texto " + quoted(a.users) + " desta pasta não veio de uma conversão e foi mantido: " +
                       quoted(a.source) + " foi convertido em " + quoted(a.document) + "."
                 : std::to_string(n) + " textos desta pasta têm o nome que uma conversão tomaria (como " +
                       quoted(a.users) + ") e foram mantidos: suas fontes foram convertidas com outros nomes (" +
                       quoted(a.source) + " em " + quoted(a.document) + ")."),
         MessageKind::Information});
  }
  Naming::Removed removed = naming.remove_stale();
  if (!removed.replaced.empty()) {
    const std::size_t n = removed.replaced.size();
    result.messages.push_back(
        {(n == 1 ? "O documento " + quoted(removed.replaced.front()) + ", convertido antes, foi apagado"
                 : std::to_string(n) + " documentos convertidos antes (como " + quoted(removed.replaced.front()) +
                       ") foram apagados") +
             ": sua fonte tem agora o documento desta preparação, de outro nome.",
         MessageKind::Information});
  }
  if (!removed.orphaned.empty()) {
    const auto& o = removed.orphaned.front();
    const std::size_t n = removed.orphaned.size();
    result.messages.push_back(
        {n == 1 ? "O documento " + quoted(o.document) + " foi apagado: sua fonte, " + quoted(o.source) +
                      ", não está mais na pasta."
                : std::to_string(n) + " documentos convertidos antes (como " + quoted(o.document) + ", de " +
                      quoted(o.source) + ") foram apagados: suas fontes não estão mais na pasta.",
         MessageKind::Information});
  }
  result.removed = std::move(removed.replaced);
  for (auto& o : removed.orphaned) result.removed.push_back(std::move(o.document));
}

}  // namespace

std::vector<Ansi> list_folder_files(const fs::path& folder, const std::function<bool(AnsiView)>& accept,
                                    const Regional& regional) {
  std::vector<Ansi> names;
  for_each_file(folder, [&](Ansi name, const std::string&) {
    if (accept(name)) names.push_back(std::move(name));
  });
  return sorted_names(std::move(names), regional);
}

FolderLists list_folder(const fs::path& folder, const Regional& regional) {
  std::vector<Ansi> texts, htmls, lpls;
  std::array<std::vector<Ansi>, 3> office;
  std::vector<UnusableName> unusable;
  for_each_file(folder, [&](Ansi name, const std::string& raw) {
    std::vector<Ansi>* into = nullptr;
    if (ends_ci(name, AnsiView(".txt"))) {
      if (is_own_output(name)) return;
      if (const char* why = unusable_reason(name, raw)) {
        unusable.push_back({printable(raw), why, std::nullopt});
        return;
      }
      into = &texts;
    } else if (is_html_name(name)) {
      into = &htmls;
    } else if (ends_ci(name, AnsiView(".lpl"))) {
      into = &lpls;
    } else if (auto format = office_format_of(name)) {
      // Its name is only read back as stored text: it must survive that.
      if (to_utf8(name) != raw) {
        unusable.push_back({printable(raw), "o nome tem caracteres que a preparação não consegue guardar", format});
        return;
      }
      into = &office[static_cast<int>(*format)];
    }
    if (into) into->push_back(std::move(name));
  });
  std::sort(unusable.begin(), unusable.end(),
            [](const UnusableName& a, const UnusableName& b) { return a.name < b.name; });
  auto sorted = [&](std::vector<Ansi>& names) { return sorted_names(std::move(names), regional); };
  return {sorted(texts), sorted(htmls), sorted(lpls), std::move(unusable),
          {sorted(office[0]), sorted(office[1]), sorted(office[2])}};
}

bool folder_has_texts(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_regular_file(type_ec) && ends_ci(path_name(it->path()), AnsiView(".txt"))) return true;
  }
  return false;
}

DocumentFormats project_formats(const shell::ProjectSettings& s) {
  return s.convert_documents ? all_formats() : formats_without_office();
}

std::optional<Language> project_stem(const shell::ProjectSettings& s) {
  if (!s.stemming) return std::nullopt;
  return language_of_row(s.language);
}

fs::path write_document_list(const fs::path& folder, AnsiView title, const std::vector<Ansi>& texts) {
  std::vector<records::DocRecord> recs;
  recs.reserve(texts.size());
  for (const auto& t : texts) recs.push_back({cut(trim(t), 255), 0.0});
  fs::path p = shell::Project{folder, Ansi(title)}.doc_list();
  records::write_all(p, recs);
  return p;
}

ImportResult run_import(const ImportInput& input, const Regional& regional, Progress& progress) {
  ImportResult result;
  result.split_done = input.split_done;
  if (input.process && input.title.empty()) throw Stop(kEmptyTitle);
  result.first = list_folder(input.folder, regional);
  result.last = result.first;
  bool office_inputs = false;
  for (OfficeFormat f : kOfficeFormats) office_inputs |= input.formats.converts(f) && !result.first.of(f).empty();
  for (OfficeFormat f : kOfficeFormats)
    if (!input.formats.converts(f)) result.left_out[static_cast<int>(f)] = result.first.of(f).size();
  const bool html_inputs = input.formats.html && !result.first.htmls.empty();
  if (result.first.texts.empty() && !html_inputs && !office_inputs) {
    result.empty_folder = true;
    result.messages.push_back({kEmptyFolder, MessageKind::Information});
    return result;
  }
  if (!input.process) return result;
  // The title names files of the project folder: a title that would reach
  // outside it ("../x", "a/b") is refused before anything is written.
  check_plain_name(input.title + Ansi(".ldc"));
  // The wizard's third step processes a single-file project only when the
  // folder holds a text file; otherwise it shows the message and goes back.
  if (input.single_file && result.first.texts.empty()) throw Stop(kSplitNeedsOneFile);
  for (const auto& u : result.first.unusable)
    if (!u.office || input.formats.converts(*u.office))
      result.messages.push_back({unusable_message(u), MessageKind::Warning});

  // Conversions, lists and records of the folder are written by one run
  // at a time; after waiting for another, the folder is listed again.
  const FolderLock lock(input.folder, progress);
  if (lock.waited()) result.first = result.last = list_folder(input.folder, regional);

  Naming naming(input, result.first);
  const auto& htmls = result.first.htmls;
  if (input.formats.html && input.reading == Reading::Complete) {
    // Pages read as a browser shows them, named after themselves; parsed
    // on every core, each page on its own.
    std::vector<Ansi> names;
    for (std::size_t i = 0; i < htmls.size(); ++i)
      names.push_back(naming.name(htmls[i], AnsiView("arq-"), i + 1, htmls.size()));
    std::vector<std::size_t> replaced(htmls.size(), 0);
    parallel_for(
        htmls.size(),
        [&](std::size_t i) {
          replaced[i] = convert_html_page(input.folder / to_path(htmls[i]), input.folder / to_path(names[i]));
        },
        [&](std::size_t) { progress.checkpoint(); });
    for (std::size_t i = 0; i < htmls.size(); ++i) {
      if (replaced[i] > 0)
        result.messages.push_back(
            {replaced_characters_message(to_utf8(htmls[i]), replaced[i]), MessageKind::Information});
      naming.converted(names[i], htmls[i]);
      result.converted.push_back(std::move(names[i]));
    }
  } else {
    // HTML pages become arq-000001.txt, arq-000002.txt ... in list order.
    for (std::size_t i = 0; input.formats.html && i < htmls.size(); ++i) {
      progress.checkpoint();
      Ansi name = naming.name(htmls[i], AnsiView("arq-"), i + 1, htmls.size());
      convert_html_file(input.folder / to_path(htmls[i]), input.folder / to_path(name));
      naming.converted(name, htmls[i]);
      result.converted.push_back(std::move(name));
    }
  }

  convert_office_documents(input, result, naming, progress);
  report_naming(naming, result);
  progress.status(kAnalysingTexts);
  if (input.single_file && !input.split_done) {
    if (result.first.texts.size() != 1) {
      result.messages.push_back({kSplitNeedsOneFile, MessageKind::Error});
    } else {
      const Ansi& single = result.first.texts.front();
      const fs::path source = input.folder / to_path(single);
      result.pieces = split_file(source, input.separator, Ansi(), input.folder);
      for (const auto& piece : result.pieces) naming.split(piece, single);
      // The input becomes title + ".bak" so it no longer counts as a text;
      // when that name is taken it stays as it is. When a piece took the
      // input's own name, the input is already replaced by that piece.
      bool replaced = std::any_of(result.pieces.begin(), result.pieces.end(),
                                  [&](const Ansi& p) { return equals_ci(p, single); });
      const fs::path backup = input.folder / to_path(input.title + Ansi(".bak"));
      std::error_code ec;
      if (!replaced && !fs::exists(backup, ec)) {
        fs::rename(source, backup, ec);
        if (ec) throw Stop("Não foi possível renomear " + message_name(source) + " para " + message_name(backup) +
                           ": " + system_reason(ec));
      } else if (!replaced) {
        // The input stays a text and is listed beside its own pieces.
        result.messages.push_back({"O arquivo \"" + to_utf8(path_name(backup)) + "\" já existe: \"" + to_utf8(single) +
                                       "\" não foi renomeado e entra na lista de documentos junto com as partes "
                                       "em que foi separado.",
                                   MessageKind::Warning});
      }
      result.split_done = true;
    }
  }

  // Refresh the lists (a large folder takes a moment to list, so only when
  // this run added or renamed files).
  if (!result.converted.empty() || !result.office_converted.empty() || !result.pieces.empty() ||
      !result.removed.empty())
    result.last = list_folder(input.folder, regional);
  result.document_list = write_document_list(input.folder, input.title, result.last.texts);
  naming.write(result.last.texts);
  record_reading(input.folder, input.reading);

  if (!input.build_word_lists) return result;
  result.word_lists = build_word_lists(DocumentPaths(input.folder, result.last.texts), input.stopwords,
                                       shell::Project{input.folder, input.title}, regional, progress, input.stem,
                                       input.reading);
  return result;
}

}  // namespace lumeral::preparation
