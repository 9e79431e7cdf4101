#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
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

}  // namespace
}  // namespace lumeral
