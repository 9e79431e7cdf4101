#include "core/base/system_errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/base/files.h"
#include "core/base/message.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using namespace lumeral::testing;

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

}  // namespace
}  // namespace lumeral
