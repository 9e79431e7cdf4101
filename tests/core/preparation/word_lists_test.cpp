#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

std::vector<std::pair<std::string, double>> counted(std::string_view utf8, std::vector<Ansi> stop = {}) {
  StopwordSearch s(stop, pt());
  std::vector<std::pair<std::string, double>> out;
  for (const auto& r : count_words(to_ansi(utf8), s)) out.emplace_back(to_utf8(r.word), r.weight);
  return out;
}

TEST(WordLists, CountsInFirstOccurrenceOrderWithRelativeWeights) {
  using V = std::vector<std::pair<std::string, double>>;
  EXPECT_EQ(counted("casa casa casa"), (V{{"casa", 1.0}}));
  EXPECT_EQ(counted("b a b\nc b"), (V{{"b", 0.6}, {"a", 0.2}, {"c", 0.2}}));
  // The stopwords are dropped before the total is taken.
  EXPECT_EQ(counted("o gol e o jogo", {Ansi("e"), Ansi("o")}), (V{{"gol", 0.5}, {"jogo", 0.5}}));
  // A stopword list holding The never removes the: entries compare exactly.
  EXPECT_EQ(counted("the end", {Ansi("The")}), (V{{"the", 0.5}, {"end", 0.5}}));
  // Words sharing their first 15 characters are one entry, at the first one's place.
  EXPECT_EQ(counted("internacionalizacao x internacionalizadas"), (V{{"internacionaliz", 2.0 / 3}, {"x", 1.0 / 3}}));
  // A word of exactly 15 characters is one entry with the longer ones it begins.
  EXPECT_EQ(counted("a internacionaliz b internacionalizacao internacionalizar c"),
            (V{{"a", 1.0 / 6}, {"internacionaliz", 0.5}, {"b", 1.0 / 6}, {"c", 1.0 / 6}}));
  EXPECT_EQ(counted(""), V{});
  EXPECT_EQ(counted("o e", {Ansi("e"), Ansi("o")}), V{});
}

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    save_stopwords(dir / "pt.stw", {Ansi("a"), Ansi("de"), Ansi("o")});
  }
  std::vector<WordRecord> list(const std::string& name) { return records::read_all<WordRecord>(dir / name); }
  TempDir dir;
};

TEST_F(BuildTest, WritesOneListPerDocumentBesideIt) {
  write_file(dir / "a.txt", cp1252("O preço de ação subiu.\r\nPreço alto"));
  write_file(dir / "NOTA.TXT", "gol gol");
  write_file(dir / "vazio.txt", "");
  write_file(dir / "utf8.txt", "O preço subiu");  // UTF-8: read through the shared reader
  write_file(dir / "so-stop.txt", "a de o");
  // UTF-16 with its byte-order mark, little and big endian.
  write_file(dir / "le.txt", std::string("\xFF\xFE" "O\0 \0p\0r\0e\0\xE7\0o\0 \0s\0u\0b\0i\0u\0", 28));
  write_file(dir / "be.txt", std::string("\xFE\xFF\0O\0 \0p\0r\0e\0\xE7\0o\0 \0s\0u\0b\0i\0u", 28));
  std::vector<fs::path> docs;
  for (const char* n : {"a.txt", "NOTA.TXT", "vazio.txt", "utf8.txt", "so-stop.txt", "le.txt", "be.txt"})
    docs.push_back(dir / n);
  ASSERT_EQ(build_word_lists(docs, dir / "pt.stw", std::nullopt, pt()), 7u);
  EXPECT_EQ(read_file(dir / "le.lpl"), read_file(dir / "utf8.lpl"));
  EXPECT_EQ(read_file(dir / "be.lpl"), read_file(dir / "utf8.lpl"));
  EXPECT_EQ(list("a.lpl"), (std::vector<WordRecord>{{to_ansi("preço"), 0.4},
                                                    {to_ansi("ação"), 0.2},
                                                    {Ansi("subiu"), 0.2},
                                                    {Ansi("alto"), 0.2}}));
  EXPECT_EQ(list("NOTA.lpl"), (std::vector<WordRecord>{{Ansi("gol"), 1.0}}));
  EXPECT_EQ(read_file(dir / "vazio.lpl"), "");
  EXPECT_EQ(read_file(dir / "so-stop.lpl"), "");
  EXPECT_EQ(list("utf8.lpl"), (std::vector<WordRecord>{{to_ansi("preço"), 0.5}, {Ansi("subiu"), 0.5}}));
}

TEST_F(BuildTest, ManyDocumentsGiveTheSameListsAsOneByOne) {
  std::vector<fs::path> docs;
  for (int i = 0; i < 60; ++i) {
    std::string text;
    for (int k = 0; k < 50; ++k) text += "w" + std::to_string((i * 7 + k * k) % 23) + " de ";
    auto name = "d" + std::to_string(i) + ".txt";
    write_file(dir / name, text);
    docs.push_back(dir / name);
  }
  build_word_lists(docs, dir / "pt.stw", shell::Project{dir.path(), Ansi("p")}, pt());
  StopwordSearch stop({Ansi("a"), Ansi("de"), Ansi("o")}, pt());
  for (int i = 0; i < 60; ++i) {
    auto name = "d" + std::to_string(i);
    EXPECT_EQ(list(name + ".lpl"), count_words(from_bytes(read_file(dir / (name + ".txt"))), stop)) << name;
  }
}

TEST_F(BuildTest, StopsOnMissingStopwordsOrDocuments) {
  write_file(dir / "a.txt", "casa");
  auto message = [&](const fs::path& stop, std::vector<fs::path> docs) {
    try {
      build_word_lists(docs, stop, std::nullopt, pt());
    } catch (const Stop& s) {
      return s.text();
    }
    return std::string("no stop");
  };
  EXPECT_EQ(message("", {dir / "a.txt"}), "Você deve escolher antes uma lista de stopwords");
  EXPECT_EQ(message(dir / "nada.stw", {dir / "a.txt"}), "Erro: arquivo de stopwords não existe !!");
  EXPECT_NE(message(dir / "pt.stw", {dir / "a.txt", dir / "falta.txt"}).find("falta.txt"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir / "a.lpl"));
  EXPECT_THROW(require_stopword_field(Ansi("  ")), Stop);
  EXPECT_EQ(require_stopword_field(Ansi(" /x/pt.stw ")), fs::path("/x/pt.stw"));
}

TEST(WordLists, OpenShowsLinesAtOrAboveTheThresholdAndSavesThemAsRecords) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{Ansi("casa"), 0.5}, {Ansi(" gol "), 0.25}, {Ansi("x"), 0.123456}});
  records::write_all<records::ContextRecord>(dir / "c.ctt", {{Ansi("bola -volei"), 1}});
  using L = std::vector<Ansi>;
  EXPECT_EQ(open_word_list(dir / "a.lpl", Ansi(""), pt()),
            (L{Ansi("casa |  0,50000"), Ansi("gol |  0,25000"), Ansi("x |  0,12346")}));
  EXPECT_EQ(open_word_list(dir / "a.lpl", Ansi(" 0,25 "), pt()), (L{Ansi("casa |  0,50000"), Ansi("gol |  0,25000")}));
  EXPECT_EQ(open_word_list(dir / "c.ctt", Ansi("0,5"), pt()), (L{Ansi("bola -volei |  1,00000")}));
  EXPECT_EQ(open_word_list(dir / "a.lpl", Ansi("0.5"), Regional::for_locale("en_US")), (L{Ansi("casa |  0.50000")}));
  EXPECT_THROW(open_word_list(dir / "a.lpl", Ansi("meio"), pt()), Stop);
  write_file(dir / "a.dat", "");
  EXPECT_EQ(open_word_list(dir / "a.dat", Ansi(""), pt()), L{});
  // Lines saved as records; a bad weight stops the save.
  std::vector<Ansi> lines = {Ansi("casa |  0,50000"), Ansi("abcdefghijklmnopqrstuvwxyz0123456789 | 0,1")};
  save_word_list(dir / "a.lpl", lines, pt());
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl"),
            (std::vector<WordRecord>{{Ansi("casa"), 0.5}, {Ansi("abcdefghijklmno"), 0.1}}));
  save_word_list_as_context(dir / "a.ctt", lines, pt());
  EXPECT_EQ(records::read_all<records::ContextRecord>(dir / "a.ctt")[1].entry, Ansi("abcdefghijklmnopqrstuvwxyz0123"));
  EXPECT_THROW(save_word_list(dir / "a.lpl", {Ansi("casa |  0,5"), Ansi("sem barra")}, pt()), Stop);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl").size(), 2u);  // the saved list stays whole
  save_word_list_as_text(dir / "a.txt", lines);
  EXPECT_EQ(read_file(dir / "a.txt"), "casa |  0,50000\r\nabcdefghijklmnopqrstuvwxyz0123456789 | 0,1\r\n");
}

}  // namespace
}  // namespace lumeral::preparation
