#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/retrieval/boolean.h"
#include "core/summaries/sentences.h"
#include "support/fixtures.h"

namespace lumeral::retrieval {
namespace {

using namespace lumeral::testing;
using records::DocRecord;

std::vector<DocRecord> list_of(std::initializer_list<const char*> names) {
  std::vector<DocRecord> r;
  for (auto n : names) r.push_back({Ansi(n), 0});
  return r;
}

std::vector<Ansi> search(const fs::path& list, std::vector<Ansi> query, bool any) {
  Listing r = boolean_search(list, query, any);
  EXPECT_FALSE(r.stop);
  return r.lines;
}

TEST(BooleanSearch, SentencesLinesAndSubstrings) {
  TempDir dir;
  write_file(dir / "copa.txt", "O jogo da Copa\r\ndo Mundo foi bom.\r\n");
  write_file(dir / "ponto.txt", "A copa. do mundo\r\n");
  write_file(dir / "casamento.txt", "O casamento foi lindo\n");
  write_file(dir / "bola.txt", "Chutou a bola. Fez o gol.");
  write_file(dir / "acento.txt", cp1252("A ÁGUA mole\r\n"));
  write_file(dir / "utf8.txt", "\xEF\xBB\xBF" "A ÁGUA\r\nviva.");  // UTF-8 with a byte-order mark
  std::string utf16 = "\xFF\xFE";  // the same text in UTF-16 (little endian)
  for (char c : cp1252("A ÁGUA\r\nviva.")) utf16 += {c, '\0'};
  write_file(dir / "u16.txt", utf16);
  records::write_all(dir / "l.ldc", list_of({"copa.txt", "ponto.lpl", " casamento.txt ", "bola.txt", "acento.txt",
                                             "UTF8.TXT", "u16.txt"}));
  struct {
    std::vector<Ansi> query;
    bool any;
    std::vector<Ansi> expected;
  } cases[] = {
      {{"Copa do Mundo"}, false, {"copa.txt"}},
      {{"casa"}, false, {"casamento.txt"}},
      {{"bola", "gol"}, false, {"bola.txt"}},
      {{"bola", "casamento"}, true, {"casamento.txt", "bola.txt"}},
      {{"bola. fez"}, false, {}},             // phrases stay inside one sentence
      {{"bola."}, false, {"bola.txt"}},       // the sentence's own mark is part of it
      {{"gol."}, false, {"bola.txt"}},
      {{"  ", "", "GOL  "}, false, {"bola.txt"}},
      {{}, false, {"copa.txt", "ponto.txt", "casamento.txt", "bola.txt", "acento.txt", "UTF8.txt", "u16.txt"}},
      {{"", "   "}, true, {}},
      {{from_bytes(cp1252("água"))}, false, {}},          // accented capitals are not lowered
      {{from_bytes(cp1252("ÁGUA"))}, false, {"acento.txt", "UTF8.txt", "u16.txt"}},
      {{from_bytes(cp1252("água viva."))}, false, {}},
      {{from_bytes(cp1252("ÁGUA viva."))}, false, {"UTF8.txt", "u16.txt"}},
      {{"lindo", "foi bom"}, true, {"copa.txt", "casamento.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(search(dir / "l.ldc", c.query, c.any), c.expected) << c.query.size();
}

TEST(BooleanSearch, RefusalsAndAMissingTextFileKeepingEarlierResults) {
  Listing r = boolean_search("", {"a", "", "  ", "b"}, false);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_FALSE(r.stop);
  EXPECT_EQ(boolean_query({"a", "", "  ", "b"}), (std::vector<Ansi>{"a", "b"}));
  TempDir dir;
  write_file(dir / "a.txt", "bola.");
  write_file(dir / "c.txt", "bola.");
  records::write_all(dir / "l.ldc", list_of({"a.txt", "b.txt", "c.txt"}));
  r = boolean_search(dir / "l.ldc", {"bola"}, false);
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->text, "O arquivo texto não está no diretório");
  EXPECT_EQ(r.lines, std::vector<Ansi>{"a.txt"});
}

// The search answers exactly what testing every term against every
// sentence answers, whatever shortcut it takes.
TEST(BooleanSearch, AgreesWithTheSentenceBySentenceRule) {
  TempDir dir;
  std::mt19937 rng(11);
  const char* pieces[] = {"copa", "Copa", "do", "mundo", ".", "?", " ", " ", "\r\n", "\n", "bola", "gol", "\t"};
  std::vector<DocRecord> list;
  std::vector<Ansi> texts;
  for (int d = 0; d < 60; ++d) {
    std::string t;
    int k = std::uniform_int_distribution<int>(0, 30)(rng);
    for (int i = 0; i < k; ++i) t += pieces[std::uniform_int_distribution<int>(0, 12)(rng)];
    std::string name = "d" + std::to_string(d) + ".txt";
    write_file(dir / name, t);
    list.push_back({Ansi(name.c_str()), 0});
    texts.push_back(lower_az(from_bytes(t)));
  }
  records::write_all(dir / "l.ldc", list);
  std::vector<std::vector<Ansi>> queries = {
      {"copa do"}, {"copa", "mundo"}, {"do mundo"}, {"mundo."}, {"bola", "gol?"}, {"copa\tdo"}, {"o m"}, {". "}};
  // And random queries of words, phrases and marks, several terms each.
  const char* words[] = {"copa", "do", "mundo", "bola", "gol", "o", "a m", "do mundo", "gol.", "?", "a", "la"};
  for (int q = 0; q < 40; ++q) {
    std::vector<Ansi> query;
    int k = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int i = 0; i < k; ++i) query.push_back(words[std::uniform_int_distribution<int>(0, 11)(rng)]);
    queries.push_back(query);
  }
  for (const auto& q : queries) {
    for (bool any : {false, true}) {
      std::vector<Ansi> expected;
      for (std::size_t d = 0; d < texts.size(); ++d) {
        std::vector<bool> found(q.size(), false);
        summaries::SentenceSplitter s(true);
        s.text(texts[d], [&](AnsiView sentence) {
          for (std::size_t t = 0; t < q.size(); ++t)
            if (sentence.find(lower_az(trim(q[t]))) != AnsiView::npos) found[t] = true;
        });
        std::size_t n = std::count(found.begin(), found.end(), true);
        if (any ? n > 0 : n == q.size()) expected.push_back(list[d].name);
      }
      EXPECT_EQ(search(dir / "l.ldc", q, any), expected) << q[0] << any;
    }
  }
}

TEST(BooleanQueryFiles, SavedLoweredTrimmedCutAndLoaded) {
  TempDir dir;
  std::string fifty = "ABCDEFGHIJ" + std::string(40, 'x');
  save_query(dir / "q.csb", {"  Copa do Mundo ", "", Ansi(fifty.c_str())});
  EXPECT_EQ(fs::file_size(dir / "q.csb"), 3u * 41u);
  EXPECT_EQ(load_query(dir / "q.csb"), (std::vector<Ansi>{"copa do mundo", "", Ansi(("abcdefghij" + std::string(30, 'x')).c_str())}));

  records::write_all<records::ContextRecord>(dir / "c.ctt", {{" bola ", 1}, {"gol de placa", 0.5}});
  EXPECT_EQ(context_query_lines(dir / "c.ctt"), (std::vector<Ansi>{"bola", "gol de placa"}));
  EXPECT_EQ(stop_text([&] { context_query_lines(dir / "nada.ctt"); }), "arquivo nada.ctt não existe");

  save_result_as_doc_list(dir / "r.ldc", {" a.txt ", "b.txt"});
  EXPECT_EQ(records::read_all<DocRecord>(dir / "r.ldc"), (std::vector<DocRecord>{{"a.txt", 0}, {"b.txt", 0}}));
}

}  // namespace
}  // namespace lumeral::retrieval
