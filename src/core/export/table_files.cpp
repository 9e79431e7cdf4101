#include "core/export/table_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"

namespace lumeral::exporting {
namespace {

// The limits of one sheet of a workbook.
constexpr std::size_t kMaxRows = 1048576;
constexpr std::size_t kMaxColumns = 16384;
constexpr std::size_t kMaxCellChars = 32767;

std::string lower_extension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

// "0", "0.0", "0.00"... for the regional writer and the sheet's number format.
std::string pattern_of(int decimals) {
  if (decimals <= 0) return "0";
  return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

std::string number_text(const Cell& c, const Regional& regional) {
  Ansi t = c.decimals < 0 ? regional.format_general(*c.number) : regional.format(*c.number, pattern_of(c.decimals));
  return std::string(bytes_of(t));
}

void append_field(std::string& out, std::string_view field, char separator) {
  bool quote = field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
  if (!quote) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::size_t utf8_length(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// The first `chars` characters of UTF-8 text.
std::string utf8_prefix(std::string_view s, std::size_t chars) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && n++ == chars) return std::string(s.substr(0, i));
  }
  return std::string(s);
}

std::string too_large_error(const fs::path& p, std::size_t rows, std::size_t columns) {
  return "A tabela é grande demais para uma planilha XLSX (" + std::to_string(rows + 1) + " linhas, " +
         std::to_string(columns) + " colunas; o máximo é 1048576 linhas e 16384 colunas). Exporte " +
         message_name(p.filename()) + " como CSV.";
}

// A text a spreadsheet would run as a formula (or, for tab and CR, shift
// into the next cell) when opening the CSV.
bool formula_like(std::string_view text) {
  if (text.empty()) return false;
  switch (text.front()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r': return true;
    default: return false;
  }
}

// A text field: after a single quote when it looks like a formula, so the
// spreadsheet shows the text instead of running it.
void append_text_field(std::string& out, std::string_view text, char separator) {
  if (!formula_like(text)) {
    append_field(out, text, separator);
    return;
  }
  std::string guarded;
  guarded.reserve(text.size() + 1);
  guarded += '\'';
  guarded += text;
  append_field(out, guarded, separator);
}

// A new empty file beside `final`, created exclusively; removed when the
// object goes away unless it was renamed into place.
class TemporaryBeside {
 public:
  explicit TemporaryBeside(fs::path final) : final_(std::move(final)) {
    std::string pattern = (final_.parent_path() / ("." + final_.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw Stop(write_error(final_, errno));
    ::close(fd);
    ::chmod(pattern.c_str(), 0666 & ~current_umask());
    path_ = pattern;
  }
  ~TemporaryBeside() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryBeside(const TemporaryBeside&) = delete;
  TemporaryBeside& operator=(const TemporaryBeside&) = delete;
  const fs::path& path() const { return path_; }
  void rename_into_place() {
    if (::rename(path_.c_str(), final_.c_str()) != 0) throw Stop(write_error(final_, errno));
    path_.clear();
  }

 private:
  static mode_t current_umask() {
    mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }
  fs::path final_;
  fs::path path_;
};

// Standard error sent to /dev/null for the object's life.
class QuietStandardError {
 public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(2);
    int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, 2);
    if (null >= 0) ::close(null);
  }
  ~QuietStandardError() {
    if (saved_ < 0) return;
    const int e = errno;  // the reason of a failure, read after this
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    errno = e;
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace

std::string unknown_format_error(const fs::path& p) {
  return "Formato de exportação desconhecido: " + message_name(p) + ". Use um nome terminado em .csv ou .xlsx.";
}

Format format_of(const fs::path& p) {
  const std::string ext = lower_extension(p);
  if (ext == ".csv") return Format::Csv;
  if (ext == ".xlsx") return Format::Xlsx;
  throw Stop(unknown_format_error(p));
}

void check_fits(const fs::path& p, std::size_t rows, std::size_t columns) {
  if (format_of(p) != Format::Xlsx) return;
  if (rows + 1 > kMaxRows || columns > kMaxColumns) throw Stop(too_large_error(p, rows, columns));
}

namespace {

// The CSV, row by row into a temporary file beside its name.
std::unique_ptr<AtomicFile> write_csv(const fs::path& p, const TableSource& table, const Regional& regional,
                                      Progress& progress) {
  auto file = std::make_unique<AtomicFile>(p);
  const char separator = regional.decimal_separator() == ',' ? ';' : ',';
  const std::size_t columns = std::max(table.columns, table.headers.size());
  std::string out = "\xEF\xBB\xBF";
  auto end_row = [&](std::size_t written) {
    // Every row has as many fields as the widest one.
    for (; written < columns; ++written) out += separator;
    out += "\r\n";
    // Handed over in pieces: the file's own buffer does the rest.
    if (out.size() >= 1 << 16) {
      file->write(out);
      out.clear();
    }
  };
  for (std::size_t j = 0; j < table.headers.size(); ++j) {
    if (j) out += separator;
    append_text_field(out, table.headers[j], separator);
  }
  end_row(table.headers.size() ? table.headers.size() : 1);
  if (table.each_row) {
    table.each_row([&](const std::vector<Cell>& row) {
      progress.checkpoint();
      for (std::size_t j = 0; j < row.size(); ++j) {
        if (j) out += separator;
        const Cell& c = row[j];
        if (c.is_number()) append_field(out, number_text(c, regional), separator);
        else append_text_field(out, to_utf8(c.text), separator);
      }
      end_row(row.empty() ? 1 : row.size());
    });
  }
  file->write(out);
  return file;
}

// What one cell takes in the library's memory when the whole sheet is held
// (its record, its place in the row's tree, a shared text's share; about
// 107 bytes measured for a matrix of numbers).
constexpr std::size_t kHeldCellBytes = 128;
// Beyond this many cells the sheet's own file may pass 4 GB inside the
// archive, which then needs the ZIP64 extensions.
constexpr std::size_t kZip64Cells = 50'000'000;

std::unique_ptr<TemporaryBeside> write_xlsx(const fs::path& p, const TableSource& table, std::size_t memory_budget,
                                            Progress& progress) {
  const std::size_t columns = std::max(table.columns, table.headers.size());
  check_fits(p, table.rows, columns);
  const std::size_t cells = (table.rows + 1) * columns;

  // The library writes to a name of its own choosing: a temporary file
  // beside `p`, renamed over it once the workbook is complete.
  auto file = std::make_unique<TemporaryBeside>(p);
  std::string folder = p.parent_path().empty() ? std::string(".") : p.parent_path().string();
  lxw_workbook_options options{};
  // A sheet larger than the budget allows is streamed: each row goes to a
  // temporary file in the export's folder (not in /tmp, often held in memory)
  // once the next one begins.
  options.constant_memory = cells > memory_budget / 2 / kHeldCellBytes ? LXW_TRUE : LXW_FALSE;
  options.tmpdir = folder.data();
  options.use_zip64 = cells > kZip64Cells ? LXW_TRUE : LXW_FALSE;
  errno = 0;
  lxw_workbook* book = workbook_new_opt(file->path().c_str(), &options);
  if (!book) throw Stop(write_error(p, errno ? errno : EIO));
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Tabela");
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  std::map<int, lxw_format*> number_formats;
  auto number_format = [&](int decimals) {
    auto [it, added] = number_formats.try_emplace(decimals, nullptr);
    if (added) {
      it->second = workbook_add_format(book);
      format_set_num_format(it->second, decimals < 0 ? "General" : pattern_of(decimals).c_str());
    }
    return it->second;
  };

  std::vector<std::size_t> width(columns, 0);
  lxw_error failed = LXW_NO_ERROR;
  auto note = [&](lxw_error e) {
    if (e != LXW_NO_ERROR && failed == LXW_NO_ERROR) failed = e;
  };
  auto put_string = [&](std::size_t r, std::size_t c, std::string text, lxw_format* f) {
    if (text.empty() && !f) return;
    std::size_t chars = utf8_length(text);
    if (chars > kMaxCellChars) {
      text = utf8_prefix(text, kMaxCellChars);
      chars = kMaxCellChars;
    }
    if (c < width.size()) width[c] = std::max(width[c], chars);
    note(worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), text.c_str(), f));
  };
  for (std::size_t j = 0; j < table.headers.size(); ++j) put_string(0, j, table.headers[j], bold);
  std::size_t i = 0;
  if (table.each_row) {
    table.each_row([&](const std::vector<Cell>& row) {
      progress.checkpoint();
      ++i;
      for (std::size_t j = 0; j < row.size() && j < columns; ++j) {
        const Cell& c = row[j];
        if (c.is_number() && std::isfinite(*c.number)) {
          // The width of the number as shown with "." (the same length in either regional form).
          std::size_t shown = c.decimals < 0 ? 12 : std::to_string(static_cast<long long>(*c.number)).size() +
                                                        static_cast<std::size_t>(c.decimals) + 1;
          width[j] = std::max(width[j], shown);
          note(worksheet_write_number(sheet, static_cast<lxw_row_t>(i), static_cast<lxw_col_t>(j), *c.number,
                                      number_format(c.decimals)));
        } else {
          put_string(i, j, c.is_number() ? std::to_string(*c.number) : to_utf8(c.text), nullptr);
        }
      }
    });
  }
  for (std::size_t j = 0; j < columns; ++j) {
    // Room for the longest text and a margin; neither a sliver nor a screenful.
    double w = static_cast<double>(std::clamp<std::size_t>(width[j] + 2, 8, 60));
    worksheet_set_column(sheet, static_cast<lxw_col_t>(j), static_cast<lxw_col_t>(j), w, nullptr);
  }
  worksheet_freeze_panes(sheet, 1, 0);

  errno = 0;
  lxw_error closed;
  {
    // The library prints its own English diagnostics on standard error; the
    // failure is told once, in Portuguese, by the Stop below.
    QuietStandardError quiet;
    closed = workbook_close(book);  // writes the file and frees the workbook
  }
  if (failed != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
    const int reason = errno ? errno : EIO;
    throw Stop(write_error(p, reason));
  }
  return file;
}

}  // namespace

struct TableFile::Impl {
  std::unique_ptr<AtomicFile> csv;
  std::unique_ptr<TemporaryBeside> xlsx;
};

TableFile::TableFile(const fs::path& p, const TableSource& table, const Regional& regional,
                     std::size_t memory_budget, Progress& progress)
    : impl_(std::make_unique<Impl>()) {
  if (format_of(p) == Format::Xlsx) impl_->xlsx = write_xlsx(p, table, memory_budget, progress);
  else impl_->csv = write_csv(p, table, regional, progress);
}

TableFile::~TableFile() = default;

void TableFile::commit() {
  if (impl_->csv) impl_->csv->commit();
  if (impl_->xlsx) impl_->xlsx->rename_into_place();
}

void export_table(const fs::path& p, const TableSource& table, const Regional& regional, std::size_t memory_budget) {
  TableFile(p, table, regional, memory_budget).commit();
}

}  // namespace lumeral::exporting
