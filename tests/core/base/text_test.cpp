#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/base/encoding.h"
#include "core/base/existence.h"
#include "core/base/files.h"
#include "core/base/message.h"
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
  EXPECT_EQ(to_utf8(to_ansi("ação €")), "ação €");
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

TEST(Files, ReplacerReplacesTheWholeContentAndLeavesNoScratch) {
  TempDir dir;
  struct {
    std::string before, after;
  } cases[] = {{"", "abc"}, {"abcdef", "xy"}, {"xy", "abcdef"}, {"abc", ""}, {"same", "SAME"}};
  {
    FileReplacer replacer;
    for (const auto& c : cases) {
      write_file(dir / "f.lpl", c.before);
      replacer.replace(dir / "f.lpl", c.after);
      EXPECT_EQ(read_file(dir / "f.lpl"), c.after) << c.before;
    }
    replacer.replace(dir / "novo.lpl", "n");
    EXPECT_EQ(read_file(dir / "novo.lpl"), "n");
    EXPECT_THROW(replacer.replace(dir / "falta" / "x.lpl", "n"), Stop);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
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

}  // namespace
}  // namespace lumeral
