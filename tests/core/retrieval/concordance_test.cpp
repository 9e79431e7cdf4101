#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/records/records.h"
#include "core/retrieval/concordance.h"
#include "support/fixtures.h"

namespace lumeral::retrieval {
namespace {

using namespace lumeral::testing;

// A folder of documents and its list, in the order given.
fs::path collection(const TempDir& dir, const std::vector<std::pair<const char*, std::string>>& docs) {
  std::vector<records::DocRecord> list;
  for (const auto& [name, text] : docs) {
    write_file(dir / name, text);
    list.push_back({Ansi(name), 0});
  }
  records::write_all(dir / "lista.ldc", list);
  return dir / "lista.ldc";
}

// "name:line [left|keyword|right]" of every row.
std::vector<std::string> shown(const std::vector<ConcordanceRow>& rows) {
  std::vector<std::string> out;
  for (const auto& r : rows)
    out.push_back(to_utf8(r.name) + ":" + std::to_string(r.line) + " [" + to_utf8(r.left) + "|" +
                  to_utf8(r.keyword) + "|" + to_utf8(r.right) + "]");
  return out;
}

std::vector<ConcordanceRow> scanned(const fs::path& list, const ConcordanceOptions& o, ConcordanceTotal* total = nullptr) {
  std::vector<ConcordanceRow> rows;
  ConcordanceTotal t = scan_concordance(list, o, Progress::none(), [&](const ConcordanceRow& r) { rows.push_back(r); });
  if (total) *total = t;
  return rows;
}

std::vector<ConcordanceRow> viewed(const fs::path& list, const ConcordanceOptions& o, ConcordanceTotal* total = nullptr) {
  ConcordanceView view(list, o, pt(), Progress::none());
  std::vector<ConcordanceRow> rows;
  view.rows([&](const ConcordanceRow& r) { rows.push_back(r); });
  if (total) *total = view.total();
  return rows;
}

ConcordanceOptions words(std::initializer_list<const char*> w, std::size_t width = 10) {
  ConcordanceOptions o;
  for (auto x : w) o.words.push_back(to_ansi(x));
  o.width = width;
  return o;
}

TEST(Concordance, WholeWordsLinesAndContexts) {
  TempDir dir;
  const auto list = collection(dir, {{"a.txt", "O Gato e o gato-pingado.\r\nGATOS, gato!\r\n\r\ngato"},
                                     {"b.txt", "um\rdois gato\ntres\t\tgato   fim"},
                                     {"c.txt", cp1252("Época da ÉPOCA e época")}});
  ConcordanceTotal total;
  EXPECT_EQ(shown(scanned(list, words({"GATO"}), &total)),
            (std::vector<std::string>{"a.txt:1 [O |Gato| e o gato-]", "a.txt:1 [ Gato e o |gato|-pingado. ]",
                                      "a.txt:2 [. GATOS, |gato|! gato]", "a.txt:4 [ gato! |gato|]",
                                      "b.txt:2 [um dois |gato| tres gat]", "b.txt:3 [ato tres |gato| fim]"}));
  EXPECT_EQ(total.occurrences, 6u);
  EXPECT_EQ(total.documents, 2u);
  // The classic reading lowers A to Z only: "ÉPOCA" is another word; the
  // complete reading lowers every capital.
  EXPECT_EQ(scanned(list, words({"época"})).size(), 1u);
  EXPECT_EQ(scanned(list, words({"Época"})).size(), 2u);
  auto complete = words({"época"});
  complete.reading = Reading::Complete;
  EXPECT_EQ(scanned(list, complete).size(), 3u);
  // Several words at once, in text order; a repeated word counts once.
  EXPECT_EQ(scanned(list, words({"um", "fim", "um"})).size(), 2u);
  // With stems the plural meets its singular.
  auto stems = words({"gatos"});
  EXPECT_EQ(scanned(list, stems).size(), 1u);
  stems.stem = Language::Portuguese;
  EXPECT_EQ(scanned(list, stems).size(), 7u);
}

TEST(Concordance, SortsByTheChosenWordThenDocumentOrder) {
  TempDir dir;
  // The four "x" are a5, a18, a32 (name and offset) and b5.
  const auto list = collection(dir, {{"a.txt", "zeta x beta. alfa x delta; alfa x alfa"}, {"b.txt", "beta x"}});
  const struct {
    ConcordanceSort sort;
    std::vector<std::string> rows;
  } cases[] = {
      {ConcordanceSort::Document, {"a5", "a18", "a32", "b5"}},
      {ConcordanceSort::Keyword, {"a5", "a18", "a32", "b5"}},
      {ConcordanceSort::Left1, {"a18", "a32", "b5", "a5"}},   // alfa alfa beta zeta
      {ConcordanceSort::Left2, {"a5", "b5", "a18", "a32"}},   // (none) (none) beta delta
      {ConcordanceSort::Right1, {"b5", "a32", "a5", "a18"}},  // (none) alfa beta delta
      {ConcordanceSort::Right2, {"a32", "b5", "a5", "a18"}},  // (none) (none) alfa alfa
  };
  for (const auto& c : cases) {
    auto o = words({"x"}, 6);
    o.sort = c.sort;
    std::vector<std::string> got;
    for (const auto& r : viewed(list, o)) got.push_back(to_utf8(r.name).substr(0, 1) + std::to_string(r.offset));
    EXPECT_EQ(got, c.rows) << static_cast<int>(c.sort);
  }
}

// The gathered view, whatever the budget (spilled or not), gives the rows
// the stream gives; the limit cuts the rows, never the count.
TEST(Concordance, ViewAtAnyBudgetAndLimitAgreeWithTheStream) {
  TempDir dir;
  std::mt19937 rng(5);
  const char* vocabulary[] = {"casa", "Casa", "rio", "mar", "sol", "lua", "\r\n", "."};
  std::vector<std::pair<const char*, std::string>> docs;
  static const char* names[] = {"d0.txt", "d1.txt", "d2.txt", "d3.txt", "d4.txt", "d5.txt"};
  for (const char* name : names) {
    std::string text;
    for (int w = 0; w < 400; ++w) text += std::string(vocabulary[rng() % 8]) + " ";
    docs.push_back({name, text});
  }
  const auto list = collection(dir, docs);
  auto o = words({"casa", "mar"}, 12);
  ConcordanceTotal stream_total;
  const auto stream = shown(scanned(list, o, &stream_total));
  ASSERT_GT(stream.size(), 100u);
  for (std::size_t budget : {std::size_t{1} << 30, std::size_t{2000}}) {
    o.memory_budget = budget;
    EXPECT_EQ(shown(viewed(list, o)), stream) << budget;
    o.sort = ConcordanceSort::Right1;
    auto sorted = shown(viewed(list, o));
    o.limit = 7;
    ConcordanceTotal total;
    EXPECT_EQ(shown(viewed(list, o, &total)), std::vector<std::string>(sorted.begin(), sorted.begin() + 7));
    EXPECT_EQ(total.occurrences, stream_total.occurrences);
    EXPECT_EQ(total.shown, 7u);
    o.sort = ConcordanceSort::Document;
    EXPECT_EQ(shown(scanned(list, o, &total)), std::vector<std::string>(stream.begin(), stream.begin() + 7));
    EXPECT_EQ(concordance_total_line(total), to_ansi(std::to_string(stream_total.occurrences) +
                                                      " ocorrências em 6 documentos; mostradas: 7"));
    o.limit.reset();
  }
}

// Without stems, in document order, places are found without cutting the
// text into tokens; sorted by a neighbouring word, through the tokenizer.
// Both must find the same occurrences, digits and number punctuation
// included.
TEST(Concordance, DirectScanFindsWhatTheTokenizerFinds) {
  TempDir dir;
  std::mt19937 rng(11);
  const std::string pieces[] = {"3", "5", ",", ".", "/", " ", "\r\n", "\r", "a", "A", cp1252("é"), cp1252("É"),
                                "ab", "Ab", "3,5", "3.5", "x"};
  std::vector<std::pair<const char*, std::string>> docs;
  static const char* names[] = {"r0.txt", "r1.txt", "r2.txt", "r3.txt"};
  for (const char* name : names) {
    std::string text;
    for (int k = 0; k < 3000; ++k) text += pieces[rng() % std::size(pieces)];
    docs.push_back({name, text});
  }
  const auto list = collection(dir, docs);
  for (Reading reading : {Reading::Classic, Reading::Complete}) {
    // The last set has more first bytes than the per-byte search takes.
    for (const auto& w : std::vector<std::vector<const char*>>{
             {"a"}, {"ab"}, {"3,5"}, {"5"}, {"é"}, {"3.5"}, {"35"}, {"ab", "x", "3", "c", "d", "e", "f", "é"}}) {
      auto o = words({}, 5);
      for (auto x : w) o.words.push_back(to_ansi(x));
      o.reading = reading;
      const auto direct = shown(scanned(list, o));
      o.sort = ConcordanceSort::Left1;
      auto rows = viewed(list, o);
      std::stable_sort(rows.begin(), rows.end(), [](const ConcordanceRow& a, const ConcordanceRow& b) {
        return a.document != b.document ? a.document < b.document : a.offset < b.offset;
      });
      EXPECT_EQ(direct, shown(rows)) << w[0];
      EXPECT_FALSE(direct.empty()) << w[0];
    }
  }
}

TEST(Concordance, StopsAndRefusals) {
  TempDir dir;
  const auto list = collection(dir, {{"a.txt", "sim sim"}, {"falta.txt", ""}, {"c.txt", "sim"}});
  fs::remove(dir / "falta.txt");
  ConcordanceTotal total;
  EXPECT_EQ(scanned(list, words({"sim"}), &total).size(), 2u);
  ASSERT_TRUE(total.stop);
  EXPECT_EQ(total.stop->text, "O arquivo texto não está no diretório");
  for (const char* bad : {"dois termos", "pré-sal", "..."})
    EXPECT_NE(stop_text([&] { scanned(list, words({bad})); }).find("não é uma palavra"), std::string::npos) << bad;
  EXPECT_NE(stop_text([&] { scanned(list, words({})); }), "");
}

}  // namespace
}  // namespace lumeral::retrieval
