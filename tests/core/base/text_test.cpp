#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "core/base/encoding.h"
#include "core/base/existence.h"
#include "core/base/files.h"
#include "core/base/memory_budget.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using namespace lumeral::testing;

TEST(Text, LoweringTrimmingLinesAndEveryByteRoundTrips) {
  EXPECT_EQ(lower_az(to_ansi("AÇÃO Émile ZEBRA")), to_ansi("aÇÃo Émile zebra"));  // A to Z only
  EXPECT_EQ(trim(from_bytes("\t\x01  casa azul \r\n")), from_bytes("casa azul"));
  EXPECT_EQ(trim(from_bytes(" \t ")), Ansi());
  EXPECT_EQ(split_lines(from_bytes("a\r\nb\nc\rd")), (std::vector<Ansi>{"a", "b", "c", "d"}));
  EXPECT_EQ(split_lines(from_bytes("a\r\n\r\nb\r\n")), (std::vector<Ansi>{"a", "", "b"}));
  EXPECT_TRUE(split_lines(Ansi()).empty());
  Ansi all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(to_ansi(to_utf8(all)), all);
  EXPECT_EQ(to_ansi("日本"), Ansi("??"));
}

TEST(Encoding, DocumentsAreDecodedByContent) {
  struct Case {
    std::string bytes;
    std::string expect_utf8;
  } cases[] = {
      {"\xEF\xBB\xBF" "ação", "ação"},              // UTF-8 with byte-order mark
      {"ação", "ação"},                             // UTF-8 without
      {cp1252("ação"), "ação"},                     // Windows-1252
      {"plain ascii", "plain ascii"},               // either
      {"\xEF\xBB\xBF" "abc", "abc"},                // mark dropped from ASCII too
      {std::string("\xFF\xFE" "a\0\xE7\0\xE3\0o\0\r\0\n\0", 14), "ação\r\n"},  // UTF-16 LE
      {std::string("\xFE\xFF\0a\0\xE7\0\xE3\0o\0\r\0\n", 14), "ação\r\n"},       // UTF-16 BE
      {std::string("\xFF\xFE" "=\xD8\0\xDE!\0", 8), "?!"},                  // a pair outside the code page
      {std::string("\xFF\xFE" "a\0b", 5), "a?"},                               // an odd last byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_utf8(decode_document(c.bytes)), c.expect_utf8) << c.bytes;
    // The no-copy reader of the per-document loops follows the same rule.
    Ansi converted;
    EXPECT_EQ(to_utf8(Ansi(document_view(c.bytes, converted))), c.expect_utf8) << c.bytes;
  }
}

// The replacer guesses from the last name it met whether the next is
// absent: every case runs after an absent name and after a present one.
// A file already holding the bytes is left as it is (same inode).
TEST(Files, ReplacerReplacesTheWholeContentAndLeavesNoScratch) {
  struct {
    const char* before;  // nullptr: no file at the name
    std::string after;
  } cases[] = {{nullptr, "n"}, {"", "abc"}, {"abcdef", "xy"}, {"xy", "abcdef"},
               {"abc", ""},    {"same", "SAME"}, {"igual", "igual"}, {nullptr, ""}};
  auto inode = [](const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  for (bool after_absent : {true, false}) {
    TempDir dir;
    FileReplacer replacer;
    int k = 0;
    for (const auto& c : cases) {
      const std::string label = std::string(c.before ? c.before : "(nada)") + " -> " + c.after;
      const fs::path prior = dir / ("antes" + std::to_string(k) + ".lpl");
      if (!after_absent) write_file(prior, "velho");
      replacer.replace(prior, "p");
      const fs::path f = dir / ("f" + std::to_string(k++) + ".lpl");
      if (c.before) write_file(f, c.before);
      const auto old_inode = inode(f);
      replacer.replace(f, c.after);
      EXPECT_EQ(read_file(f), c.after) << label;
      if (c.before && c.after == c.before) {
        EXPECT_EQ(inode(f), old_inode) << label;
      }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2 * k);
  }
}

TEST(Files, WriterUsesCrLfAndReplacesSafelyAndReadIntoReusesTheBuffer) {
  TempDir dir;
  write_text_file(dir / "a.txt", {to_ansi("olá"), Ansi()});
  EXPECT_EQ(testing::read_file(dir / "a.txt"), cp1252("olá") + "\r\n\r\n");
  write_text_file(dir / "a.txt", {Ansi("x")});
  EXPECT_EQ(testing::read_file(dir / "a.txt"), "x\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  std::string buffer = "resto de um arquivo anterior, mais longo";
  for (const std::string& content : {std::string("abc"), std::string(""), std::string(100000, 'x')}) {
    write_file(dir / "a.txt", content);
    read_bytes_into(dir / "a.txt", buffer);
    EXPECT_EQ(buffer, content);
  }
}

// Unsafe names are refused; a different letter case is taken only when the
// exact name is missing, and by the folder index only when one name has it.
TEST(Files, LookupAndTheFolderIndex) {
  TempDir dir;
  for (const char* bad : {"../x.txt", "/etc/passwd", "a/b.txt", "a\\b.txt", "..", "c:x.txt", ""}) {
    EXPECT_THROW(lookup(dir.path(), Ansi(bad)), Stop) << bad;
  }
  write_file(dir / "Noticia1.TXT", "x");
  EXPECT_EQ(lookup(dir.path(), Ansi("noticia1.txt")), dir / "Noticia1.TXT");
  EXPECT_EQ(lookup(dir.path(), Ansi("nada.txt")), dir / "nada.txt");
  EXPECT_FALSE(exists_ci(dir.path(), Ansi("nada.txt")));
  write_file(dir / "dup.txt", "a");
  write_file(dir / "DUP.TXT", "b");
  FolderIndex index(dir.path());
  for (const char* name : {"noticia1.txt", "NOTICIA1.txt", "nada.txt", "dup.txt", "Dup.txt"}) {
    EXPECT_EQ(index.find(Ansi(name)), lookup(dir.path(), Ansi(name))) << name;
  }
  EXPECT_TRUE(index.exists(Ansi("noticia1.txt")));
  EXPECT_FALSE(index.exists(Ansi("dup.Txt")));  // two candidates: neither is taken
  EXPECT_THROW(index.find(Ansi("../x.txt")), Stop);
  write_file(dir / "noticia1.txt", "y");
  EXPECT_EQ(lookup(dir.path(), Ansi("noticia1.txt")), dir / "noticia1.txt");
}

TEST(Files, CompanionNames) {
  struct {
    const char* name;
    const char* ext;
    const char* expect;
  } cases[] = {
      {"doc7.txt", "lpl", "doc7.lpl"},
      {" noticia1.txt ", "mtz", "noticia1.mtz"},
      {"NOTA.TXT", "lpl", "NOTA.lpl"},
      {"relatorio.2004.txt", "lpl", "relatorio.2004.lpl"},
      {"a.txt.lpl", "mtz", "a.txt.mtz"},    // later of the two wins
      {"a.lpl.txt", "mtz", "a.lpl.mtz"},
      {"notas", "mtz", "notasmtz"},          // neither: letters appended
      {"doc1.lpl", "txt", "doc1.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(companion_name(Ansi(c.name), Ansi(c.ext)), Ansi(c.expect)) << c.name;
}

TEST(SystemErrors, NoEnglishReasonAndPrintableNames) {
  // Whatever errno a call leaves, the user reads Portuguese.
  for (int e = 1; e < 134; ++e) {
    std::string reason = system_reason(e);
    EXPECT_FALSE(reason.empty()) << e;
    EXPECT_NE(reason, std::strerror(e)) << e;
    EXPECT_EQ(reason, system_reason(std::error_code(e, std::generic_category()))) << e;
  }
  struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"relatório.txt", "relatório.txt"},
      {"caf\xe9.txt", "caf\\xE9.txt"},           // Windows-1252 byte, not UTF-8
      {"a\nb\r\tc\x01", "a\\nb\\r\\tc\\x01"},    // control characters
      {"\xc3", "\\xC3"},                          // a sequence cut short
      {"\xed\xa0\x80", "\\xED\\xA0\\x80"},        // a surrogate
      {"\xf0\x9f\x98\x80!", "\xf0\x9f\x98\x80!"},  // four bytes, valid
  };
  for (const auto& c : cases) EXPECT_EQ(printable(c.in), c.out) << c.in;
  EXPECT_EQ(valid_utf8("linha\n\xff"), "linha\n\\xFF");
}

TEST(SystemErrors, FilesAreNamedWithTheirReason) {
  TempDir dir;
  fs::create_directories(dir / "pasta");
  write_file(dir / "a.txt", "x");
  EXPECT_NE(stop_text([&] { require_file(dir / "pasta"); }).find("é um diretório"), std::string::npos);
  EXPECT_EQ(stop_text([&] { require_file(dir / "falta.txt"); }), missing_file_error(dir / "falta.txt"));
  EXPECT_EQ(stop_text([&] { require_file(dir / "falta.txt", "Lista não existe"); }), "Lista não existe");
  EXPECT_EQ(stop_text([&] { require_file(dir / "a.txt"); }), "");
  // Reading or writing a folder, or into a folder that is not there.
  struct {
    std::function<void()> run;
    const char* reason;
  } io[] = {
      {[&] { read_bytes(dir / "pasta"); }, "é um diretório"},
      {[&] { std::string b; read_bytes_into(dir / "pasta", b); }, "é um diretório"},
      {[&] { write_bytes_atomic(dir / "pasta", "x"); }, "é um diretório"},
      {[&] { write_bytes_atomic(dir / "sem" / "b.txt", "x"); }, ": Arquivo ou diretório inexistente"},
      {[&] { FileReplacer().replace(dir / "sem" / "b.lpl", "x"); }, ": Arquivo ou diretório inexistente"},
      {[&] { read_bytes(dir / "sem.txt"); }, ": Arquivo ou diretório inexistente"},
  };
  for (const auto& c : io) EXPECT_NE(stop_text(c.run).find(c.reason), std::string::npos) << stop_text(c.run);
  EXPECT_TRUE(fs::is_directory(dir / "pasta"));
  // A file-system exception reaching a command: the path and the reason.
  std::string text;
  try {
    (void)fs::file_size(dir / "falta\xff.txt");
  } catch (const std::exception& e) {
    text = describe_exception(e);
  }
  EXPECT_NE(text.find("falta\\xFF.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("Arquivo ou diretório inexistente"), std::string::npos) << text;
}

// What counts as an existing file or folder: links are followed, a dangling
// link or an empty path is neither, and a failed look-up never throws.
TEST(Existence, FilesAndFoldersAsTheDiskHasThem) {
  TempDir dir;
  write_file(dir / "a.txt", "x");
  fs::create_directory(dir / "pasta");
  fs::create_symlink(dir / "a.txt", dir / "link.txt");
  fs::create_symlink(dir / "sumiu.txt", dir / "quebrado.txt");
  struct Case {
    fs::path path;
    bool file;
    bool folder;
  };
  const Case cases[] = {
      {dir / "a.txt", true, false},         {dir / "pasta", false, true},
      {dir / "link.txt", true, false},      {dir / "quebrado.txt", false, false},
      {dir / "nada", false, false},         {fs::path(), false, false},
      {dir / "a.txt" / "dentro", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    EXPECT_EQ(is_existing_file(c.path), c.file);
    EXPECT_EQ(is_existing_folder(c.path), c.folder);
  }
}

TEST(Regional, NumberTextsByPattern) {
  auto pt = Regional::for_locale("pt_BR");
  auto en = Regional::for_locale("en_US.UTF-8");
  struct {
    double v;
    const char* pattern;
    const char* pt;
    const char* en;
  } cases[] = {
      {0.125, "0.00", "0,13", "0.13"},      // halves away from zero
      {0.285, "0.00", "0,29", "0.29"},      // on the 15-digit decimal form
      {-0.125, "0.00", "-0,13", "-0.13"},
      {-0.0001, "0.00", "0,00", "0.00"},    // no minus on a written zero
      {66.666666, "00.00", "66,67", "66.67"},
      {5, "00.00", "05,00", "05.00"},
      {12345, "0000", "12345", "12345"},
      {0.01234, "0.00000", "0,01234", "0.01234"},
      {9.99996, "0.0000", "10,0000", "10.0000"},
      {0, "0.0000000", "0,0000000", "0.0000000"},
      {1e-20, "0.00", "0,00", "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pt.format(c.v, c.pattern), Ansi(c.pt)) << c.v << " " << c.pattern;
    EXPECT_EQ(en.format(c.v, c.pattern), Ansi(c.en)) << c.v << " " << c.pattern;
  }
  EXPECT_EQ(pt.format_general(0.5), Ansi("0,5"));
  EXPECT_EQ(pt.format_general(2), Ansi("2"));
  EXPECT_EQ(en.format_general(1.0 / 3), Ansi("0.333333333333333"));
  EXPECT_EQ(en.format_general(0.00001), Ansi("1E-5"));
}

TEST(Regional, ReadingNumbersAndTheDefaultLocale) {
  auto pt = Regional::for_locale("pt_BR");
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("0,25")), 0.25);
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("0.25")), 0.25);  // the other separator too
  EXPECT_DOUBLE_EQ(pt.parse(Ansi(" -3 ")), -3);
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("1E-5")), 1e-5);
  EXPECT_DOUBLE_EQ(pt.parse_threshold(Ansi("  ")), 0);
  for (const char* bad : {"", "abc", "1.000,5", "1,2,3", "nan", "inf", "0x10", "12a", ","}) {
    EXPECT_EQ(stop_text([&] { pt.parse(Ansi(bad)); }), "'" + std::string(bad) + "' não é um valor numérico válido");
  }
  // Beyond what a record file may hold: refused, naming the text.
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("-1e300")), -1e300);
  for (const char* huge : {"1e999", "-1e301", "2e300", "1e400000"}) {
    std::string text = testing::stop_text([&] { pt.parse_threshold(Ansi(huge)); });
    EXPECT_EQ(text, "'" + std::string(huge) + "' não é um valor numérico válido: o valor absoluto passa de 1e300");
  }
  // Unknown or plain locales are Brazilian Portuguese.
  for (const char* name : {"C", "POSIX", ""}) {
    auto r = Regional::for_locale(name);
    EXPECT_EQ(r.locale_name(), "pt_BR");
    EXPECT_EQ(r.decimal_separator(), ',');
  }
  EXPECT_EQ(Regional::for_locale("en_US").decimal_separator(), '.');
}

TEST(Regional, CollationIgnoresCase) {
  auto pt = Regional::for_locale("pt_BR");
  EXPECT_LT(pt.collate(Ansi("abelha"), Ansi("Zebra")), 0);
  EXPECT_EQ(pt.collate(Ansi("Casa"), Ansi("casa")), 0);
  EXPECT_LT(pt.collate(to_ansi("é"), Ansi("f")), 0);
  EXPECT_NE(pt.collate(to_ansi("é"), Ansi("e")), 0);  // secondary strength keeps accents apart
  EXPECT_LT(pt.collation_key(Ansi("abelha")), pt.collation_key(Ansi("Zebra")));
  EXPECT_EQ(pt.collation_key(Ansi("CASA")), pt.collation_key(Ansi("casa")));
  // Keys longer than the short-key buffer order as the texts compare.
  const Ansi long_a(400, 'a'), long_b = Ansi(399, 'a') + Ansi("b"), long_upper(400, 'A');
  EXPECT_GT(pt.collation_key(long_a).size(), 256u);
  EXPECT_LT(pt.collation_key(long_a), pt.collation_key(long_b));
  EXPECT_EQ(pt.collation_key(long_a), pt.collation_key(long_upper));
  // Many keys at once (spread over the cores, each with its own collator)
  // are the keys one by one, in the texts' order.
  std::vector<Ansi> many;
  for (int i = 0; i < 3000; ++i) {
    if (i % 3 == 0) many.push_back(to_ansi("ação-" + std::to_string(i)));
    else if (i % 3 == 1) many.push_back(Ansi(300 + i % 7, 'Z'));
    else many.push_back(to_ansi("d" + std::to_string(i)));
  }
  const std::vector<std::string> keys = pt.collation_keys(many);
  ASSERT_EQ(keys.size(), many.size());
  for (std::size_t i = 0; i < many.size(); ++i) ASSERT_EQ(keys[i], pt.collation_key(many[i])) << i;
}

TEST(Regional, ClockTexts) {
  auto pt = Regional::for_locale("pt_BR");
  std::tm tm{};
  ::strptime("06/12/2026 14:05:09", "%d/%m/%Y %H:%M:%S", &tm);
  tm.tm_isdst = -1;
  auto t = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  EXPECT_EQ(pt.short_date(t), "06/12/2026");
  EXPECT_EQ(pt.time_text(t), "14:05:09");
  EXPECT_EQ(pt.weekday_and_date(t), "Domingo 06/12/2026");
}

TEST(MemoryBudget, SizesWithAndWithoutUnitsAndRefusals) {
  struct Case {
    const char* text;
    std::size_t bytes;
  };
  const Case cases[] = {
      {"512M", 512 * kMegabyte}, {"2G", 2048 * kMegabyte}, {"2gb", 2048 * kMegabyte},
      {"800", 800 * kMegabyte},  {"64K", 64 * 1024},       {" 1,5G ", 1536 * kMegabyte},
      {"1.5g", 1536 * kMegabyte}, {"4kB", 4096},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_memory_budget(c.text), c.bytes) << c.text;
  EXPECT_EQ(memory_budget_text(kDefaultMemoryBudget), "1G");
  EXPECT_EQ(memory_budget_text(512 * kMegabyte), "512M");
  // What is not a size is refused.
  const std::string beyond_a_double = "1" + std::string(400, '0');
  for (const char* bad : {"", "abc", "0", "-1", "1.2.3", "5T", "M", "0.5K", "12 M B", ".", "1e999",
                          beyond_a_double.c_str()}) {
    std::string text = testing::stop_text([&] { parse_memory_budget(bad); });
    EXPECT_EQ(text.rfind("Limite de memória inválido: \"", 0), 0u) << bad << ": " << text;
  }
}

}  // namespace
}  // namespace lumeral
