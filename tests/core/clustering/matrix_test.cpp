#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/clustering/clusters.h"
#include "core/clustering/evaluation.h"
#include "core/clustering/matrix.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::clustering {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

// Random lists over a small vocabulary, with zero weights and repeated
// words, so the inverted index meets every case the pairwise scan counts.
std::vector<std::vector<WordRecord>> random_lists(std::size_t n, double max_weight, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> len(0, 12), word(0, 15), zero(0, 5);
  std::uniform_real_distribution<double> w(0.0, max_weight);
  std::vector<std::vector<WordRecord>> lists(n);
  for (auto& l : lists) {
    int k = len(rng);
    for (int i = 0; i < k; ++i) l.push_back({Ansi("w") + ansi_number(word(rng)), zero(rng) == 0 ? 0.0 : w(rng)});
  }
  return lists;
}

// The lists written as the companions of "docN.txt", the entries returned.
std::vector<Ansi> write_lists(const TempDir& dir, const std::vector<std::vector<WordRecord>>& lists, Method method) {
  std::vector<Ansi> entries;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const std::string base = "doc" + std::to_string(i);
    records::write_all(dir / (base + (method == Method::Words ? ".lpl" : ".mtz")), lists[i]);
    entries.push_back(Ansi((base + ".txt").c_str()));
  }
  return entries;
}

TEST(SimilarityMatrix, EqualsThePairwiseComparisonForBothMethods) {
  for (Method method : {Method::Words, Method::Concepts}) {
    TempDir dir;
    auto lists = random_lists(23, method == Method::Words ? 1.0 : 100.0, 7);
    const std::vector<Ansi> entries = write_lists(dir, lists, method);
    auto m = create_matrix(dir.path(), entries, method);
    ASSERT_EQ(m.n(), lists.size());
    const double scale = method == Method::Words ? 1.0 : 100.0;
    const Denominator den = method == Method::Words ? Denominator::AllEntries : Denominator::PositiveEntries;
    for (std::size_t i = 0; i < lists.size(); ++i) {
      EXPECT_EQ(m.at(i, i), 0.0);
      for (std::size_t j = i + 1; j < lists.size(); ++j) {
        double expected =
            similarity_of(compare_lists(lists[i], lists[j], scale), Numerator::FuzzySum, den).value_or(0.0);
        EXPECT_EQ(m.at(i, j), expected) << i << "," << j;  // same bits: same order of additions
        EXPECT_EQ(m.at(j, i), m.at(i, j));
      }
    }
  }
}

bool scratch_left(const fs::path& folder) {
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (name.rfind(".lumeral-tmp-", 0) == 0 || name.find(".tmp") != std::string::npos) return true;
  }
  return false;
}

TEST(SimilarityMatrix, BlocksOfAnySizeGiveTheSameFileAndClusters) {
  for (Method method : {Method::Words, Method::Concepts}) {
    TempDir dir;
    const std::size_t n = 37;
    const std::vector<Ansi> entries =
        write_lists(dir, random_lists(n, method == Method::Words ? 1.0 : 100.0, 11), method);
    MatrixOptions whole;
    whole.file = dir / "whole.msm";
    create_matrix(dir.path(), entries, method, Progress::none(), whole);
    const std::string expected = testing::read_file(whole.file);
    const auto reference = open_matrix(whole.file, entries);
    // Budgets of one row, of five rows and of a few rows more than half.
    for (std::size_t rows : {1u, 5u, 20u}) {
      MatrixOptions blocks;
      blocks.memory_budget = 2 * rows * n * sizeof(double);
      blocks.file = dir / ("b" + std::to_string(rows) + ".msm");
      auto m = create_matrix(dir.path(), entries, method, Progress::none(), blocks);
      EXPECT_EQ(testing::read_file(blocks.file), expected) << rows << " rows";
      for (const char* t : {"", "0,05", "0,2"}) {
        EXPECT_EQ(form_clusters(entries, m, true, Ansi(t), pt()).members,
                  form_clusters(entries, reference, true, Ansi(t), pt()).members)
            << rows << " rows, threshold " << t;
      }
      EXPECT_EQ(show_matrix(entries, m, pt()), show_matrix(entries, reference, pt()));
    }
    // Without a file: a scratch file, saved on request and gone with the matrix.
    {
      MatrixOptions scratch;
      scratch.memory_budget = 2 * 3 * n * sizeof(double);
      auto m = create_matrix(dir.path(), entries, method, Progress::none(), scratch);
      EXPECT_TRUE(scratch_left(dir.path()));
      save_matrix(dir / "saved.msm", entries, m);
      EXPECT_EQ(testing::read_file(dir / "saved.msm"), expected);
    }
    EXPECT_FALSE(scratch_left(dir.path()));
  }
}

TEST(SimilarityMatrix, AStoppedCreationLeavesTheOldFileAndNoScratch) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.5}});
  records::write_all<WordRecord>(dir / "b.lpl", {{"casa", 0.25}});
  testing::write_file(dir / "m.msm", "antigo");
  std::vector<Ansi> entries = {"a.txt", "b.txt"};

  struct CancelAtOnce : Progress {
    bool cancelled() override { return true; }
  } cancel;
  MatrixOptions options;
  options.file = dir / "m.msm";
  EXPECT_EQ(stop_text([&] { create_matrix(dir.path(), entries, Method::Words, cancel, options); }),
            "Operação cancelada pelo usuário");
  EXPECT_NE(stop_text([&] { create_matrix(dir.path(), {"a.txt", "c.txt"}, Method::Words, Progress::none(), options); }),
            "");
  EXPECT_EQ(testing::read_file(dir / "m.msm"), "antigo");
  EXPECT_EQ(stop_text([&] { create_matrix(dir.path(), entries, Method::Words, cancel); }),
            "Operação cancelada pelo usuário");
  EXPECT_FALSE(scratch_left(dir.path()));
}

TEST(SimilarityMatrix, MissingCompanionsEmptyListAndOneDocument) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.5}});
  std::vector<Ansi> entries = {"a.txt", "b.txt"};
  EXPECT_EQ(stop_text([&] { create_matrix(dir.path(), entries, Method::Words); }), "Criar lista de palavras antes");
  EXPECT_EQ(stop_text([&] { create_matrix(dir.path(), entries, Method::Concepts); }), "Fazer classificação antes");
  EXPECT_EQ(stop_text([&] { create_matrix(dir.path(), {}, Method::Words); }),
            "Você deve selecionar antes uma lista de docs");
  // One document gives a zero and one cluster.
  records::write_all<WordRecord>(dir / "so.lpl", {{"casa", 0.5}});
  entries = {" so.txt "};
  auto m = create_matrix(dir.path(), entries, Method::Words);
  EXPECT_EQ(m.values(), std::vector<double>{0.0});
  auto c = form_clusters(entries, m, true, Ansi(""), pt());
  EXPECT_EQ(cluster_lines(c), std::vector<Ansi>{"cluster1"});
  EXPECT_EQ(cluster_members(c, 0, 1), std::vector<Ansi>{"so.txt"});
}

TEST(SimilarityMatrix, ShownAsTextAndSavedOnlyForAListOfItsSize) {
  SimilarityMatrix m{2, {0, 0.25, 0.25, 0}};
  std::vector<Ansi> entries = {"a.txt", "noticia_longa.txt"};
  auto lines = show_matrix(entries, m, pt());
  ASSERT_EQ(lines.size(), 3u);
  // "a.txt": dot at 2, padded with 10 blanks; the long name is cut to 15
  // characters and its dot comes too late for padding.
  EXPECT_EQ(lines[0], Ansi("               ") + Ansi("  |  a.txt          ") + Ansi("  |  noticia_longa.t"));
  EXPECT_EQ(lines[1], Ansi("a.txt            |  0,0000000000  |  0,2500000000"));
  EXPECT_EQ(lines[2], Ansi("noticia_longa.t  |  0,2500000000  |  0,0000000000"));

  // Saved and reopened only for a list of its size.
  TempDir dir;
  std::vector<Ansi> two = {"a.txt", "b.txt"}, three = {"a.txt", "b.txt", "c.txt"};
  save_matrix(dir / "m.msm", two, m);
  EXPECT_EQ(open_matrix(dir / "m.msm", two).values(), m.values());
  EXPECT_EQ(stop_text([&] { open_matrix(dir / "m.msm", three); }),
            "O arquivo \"" + (dir / "m.msm").string() +
                "\" tem 4 valores, mas a lista carregada, com 3 docs, precisa de 9. A matriz não foi aberta.");
  const std::string other_list =
      "A matriz de similaridades é de uma lista de 2 docs, mas a lista carregada tem 3. Crie ou abra a matriz desta "
      "lista antes.";
  EXPECT_EQ(stop_text([&] { show_matrix(three, m, pt()); }), other_list);
  EXPECT_EQ(stop_text([&] { form_clusters(three, m, true, Ansi(""), pt()); }), other_list);
  EXPECT_EQ(stop_text([&] { save_matrix(dir / "n.msm", three, m); }).substr(0, 24), "A matriz de similaridade");
  EXPECT_FALSE(fs::exists(dir / "n.msm"));
}

TEST(Clusters, SinglePassAgainstTheFirstMemberOnlyAndSavedAsAList) {
  // d0-d1 0.2, d0-d2 0.1, d1-d2 0.9, d2-d3 0.5: with threshold 0, d2 joins
  // d0's cluster although it is closer to d1.
  SimilarityMatrix m{4, {0, 0.2, 0.1, 0,  //
                         0.2, 0, 0.9, 0,  //
                         0.1, 0.9, 0, 0.5,  //
                         0, 0, 0.5, 0}};
  std::vector<Ansi> entries = {"d0.txt", "d1.txt", "d2.txt", "d3.txt"};
  auto c = form_clusters(entries, m, true, Ansi(""), pt());
  ASSERT_EQ(c.members.size(), 2u);
  EXPECT_EQ(c.members[0], (std::vector<Ansi>{"d0.txt", "d1.txt", "d2.txt"}));
  EXPECT_EQ(c.members[1], (std::vector<Ansi>{"d3.txt"}));
  // Strictly greater than the threshold.
  auto t = form_clusters(entries, m, true, Ansi(" 0,2 "), pt());
  EXPECT_EQ(cluster_lines(t), (std::vector<Ansi>{"cluster1", "cluster2", "cluster3"}));
  EXPECT_EQ(t.members[1], (std::vector<Ansi>{"d1.txt", "d2.txt"}));

  EXPECT_EQ(stop_text([&] { form_clusters(entries, m, false, Ansi(""), pt()); }), "Método ainda não disponível");
  EXPECT_NE(stop_text([&] { form_clusters(entries, m, true, Ansi("abc"), pt()); }), "");
  EXPECT_EQ(stop_text([&] { cluster_members(c, 0, 5); }),
            "Os clusters foram formados para uma lista de 4 docs, mas a lista carregada tem 5. Agrupe os "
            "documentos novamente.");
  EXPECT_EQ(stop_text([&] { cluster_members(Clusters{}, 0, 4); }), "Agrupe os documentos antes.");
  // A cluster saved as a document list.
  TempDir dir;
  save_cluster_as_list(dir / "c.ldc", {"doc3.lpl", " notes ", "a.txt", "x.lpl.txt"});
  EXPECT_EQ(testing::listed_documents(dir / "c.ldc"),
            (std::vector<Ansi>{"doc3.txt", "notes.txt", "a.txt", "x.lpl.txt"}));
  for (auto& r : records::read_all<records::DocRecord>(dir / "c.ldc")) EXPECT_EQ(r.weight, 0.0);
}

TEST(Evaluation, WordListsOfBothKinds) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.2}, {"rio", 0.5}});
  // The lines for two different lists: the command line's `evaluate` test.
  auto same = evaluate(dir / "a.lpl", dir / "a.lpl", EvaluationMode::WordLists);
  EXPECT_EQ(same.common, 2u);
  EXPECT_DOUBLE_EQ(*same.value, 1.0);

  // A word of weight 0 is never common but counts in the .lpl denominator;
  // a .mtz first file divides by 100 and counts positive entries only.
  records::write_all<WordRecord>(dir / "z.lpl", {{"casa", 0.2}, {"rio", 0}});
  EXPECT_DOUBLE_EQ(*evaluate(dir / "z.lpl", dir / "z.lpl", EvaluationMode::WordLists).value, 1.0 / 3.0);
  records::write_all<WordRecord>(dir / "z.mtz", {{"casa", 20}, {"rio", 0}});
  EXPECT_DOUBLE_EQ(*evaluate(dir / "z.mtz", dir / "z.mtz", EvaluationMode::WordLists).value, 1.0);
}

TEST(Evaluation, DocumentListsEmptyInputsAndTheOrderOfChecks) {
  TempDir dir;
  records::write_all<DocRecord>(dir / "a.ldc", {{"a", 0}, {"b", 0}, {"c", 0}});
  records::write_all<DocRecord>(dir / "b.ldc", {{" b ", 0}, {"c", 0}, {"d", 0}});
  auto e = evaluate(dir / "a.ldc", dir / "b.ldc", EvaluationMode::DocumentLists);
  EXPECT_EQ(e.common, 2u);
  EXPECT_DOUBLE_EQ(*e.value, 0.5);

  records::write_all<WordRecord>(dir / "e1.lpl", {});
  records::write_all<WordRecord>(dir / "e2.lpl", {});
  auto empty = evaluate(dir / "e1.lpl", dir / "e2.lpl", EvaluationMode::WordLists);
  EXPECT_FALSE(empty.value);
  ASSERT_TRUE(empty.stop);
  EXPECT_EQ(evaluation_lines(empty, pt()), std::vector<Ansi>{"Elementos comuns= 0"});
  // Inputs are checked in order.
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.2}});
  struct {
    fs::path a, b;
    const char* message;
  } cases[] = {
      {"", "", "Você deve selecionar o primeiro elemento"},
      {dir / "a.lpl", "", "Você deve selecionar o segundo elemento"},
      {dir / "x.lpl", dir / "y.lpl", "Arquivo do primeiro elemento não existe"},
      {dir / "a.lpl", dir / "y.lpl", "Arquivo do segundo elemento não existe"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(stop_text([&] { evaluate(c.a, c.b, EvaluationMode::WordLists); }), c.message);
}

std::vector<DocRecord> docs(std::initializer_list<const char*> names) {
  std::vector<DocRecord> r;
  for (auto n : names) r.push_back({Ansi(n), 0});
  return r;
}

TEST(PrecisionRecall, CountsAndMeasures) {
  TempDir dir;
  struct {
    std::vector<DocRecord> ideal, result;
    std::vector<Ansi> lines;
    bool stops;
  } cases[] = {
      // (The plain case: the command line's `precision-recall` test.)
      // Case and blanks do not matter; .lpl keeps its dot so it does not meet .txt.
      {docs({"DOC1.TXT", " b.txt "}), docs({"doc1.txt", "B.txt", "doc1.lpl"}),
       {"Total  de docs na categoria: 2", "Total  de docs recuperados/classificados: 3", "Certos: 2", "Errados: 1",
        "Precision: 0,667", "Recall: 1,000"},
       false},
      {docs({"a.txt"}), docs({}),
       {"Total  de docs na categoria: 1", "Total  de docs recuperados/classificados: 0", "Certos: 0", "Errados: 0",
        "Recall: 0,000"},
       true},
      {docs({}), docs({"a.txt"}),
       {"Total  de docs na categoria: 0", "Total  de docs recuperados/classificados: 1", "Certos: 0", "Errados: 1",
        "Precision: 0,000"},
       true},
  };
  for (const auto& c : cases) {
    records::write_all(dir / "i.ldc", c.ideal);
    records::write_all(dir / "r.ldc", c.result);
    auto p = precision_recall(dir / "i.ldc", dir / "r.ldc");
    EXPECT_EQ(precision_recall_lines(p, pt()), c.lines);
    EXPECT_EQ(p.stop.has_value(), c.stops);
  }
  EXPECT_EQ(name_key(Ansi(" Doc1.lpl ")), Ansi("doc1."));
  EXPECT_EQ(name_key(Ansi("notes")), Ansi("notes"));
}

TEST(FuzzySimilarity, KnownValuesAndSymmetry) {
  struct {
    double x, y, expected;
  } cases[] = {
      {0.5, 0.25, 0.5833333333333333}, {0.2, 0.4, 0.625}, {0.0, 0.5, 0.25}, {0.0, 0.0, 1.0},
      {1.0, 1.0, 1.0},                 {0.3, 0.3, 1.0},   {1.0, 0.0, 0.0},  {0.4, 0.4, 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(fuzzy_similarity(c.x, c.y), c.expected, 1e-12) << c.x << " " << c.y;
    EXPECT_EQ(fuzzy_similarity(c.x, c.y), fuzzy_similarity(c.y, c.x)) << c.x << " " << c.y;
  }
}

TEST(ListSimilarity, WeightedUnweightedAndContextual) {
  std::vector<WordRecord> a = {{"casa", 0.5}, {"bola", 0.2}};
  std::vector<WordRecord> b = {{"casa", 0.25}};
  auto c = compare_lists(a, b, 1.0);
  EXPECT_NEAR(*similarity_of(c, Numerator::FuzzySum, Denominator::AllEntries), 0.2916666666, 1e-9);
  EXPECT_DOUBLE_EQ(*similarity_of(c, Numerator::CommonPairs, Denominator::AllEntries), 0.5);

  // Degrees of the deterministic method: 40 and 40 are 0.4 and 0.4 after the
  // division by 100; entries of weight 0 stay out of the positive counts.
  std::vector<WordRecord> ma = {{"economia", 40}, {"esporte", 0}};
  std::vector<WordRecord> mb = {{"economia", 40}, {"politica", 0}, {"cultura", 0}};
  auto m = compare_lists(ma, mb, 100.0);
  EXPECT_DOUBLE_EQ(*similarity_of(m, Numerator::FuzzySum, Denominator::PositiveEntries), 1.0);
  EXPECT_DOUBLE_EQ(*similarity_of(m, Numerator::FuzzySum, Denominator::AllEntries), 0.25);
}

TEST(ListSimilarity, CommonPairsIdenticalAndEmptyLists) {
  std::vector<WordRecord> a = {{" casa ", 0.5}, {"rio", 0}, {"Mar", 0.3}, {"sol", 0.1}, {"sol", 0.2}};
  std::vector<WordRecord> b = {{"casa", 0.5}, {"rio", 0.5}, {"mar", 0.3}, {"sol", 0.1}};
  auto c = compare_lists(a, b, 1.0);
  // casa pairs; rio has weight 0 on one side; Mar differs in case; sol pairs twice.
  EXPECT_EQ(c.common, 3u);
  EXPECT_EQ(c.count_a, 5u);
  EXPECT_EQ(c.positive_a, 4u);
  EXPECT_NEAR(c.sum, 1.0 + 1.0 + fuzzy_similarity(0.2, 0.1), 1e-15);
  // Identical lists give one, empty lists no value.
  std::vector<WordRecord> same = {{"casa", 0.5}, {"bola", 0.2}, {"gol", 0.3}};
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, same, 1.0), Numerator::FuzzySum, Denominator::AllEntries), 1.0);
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, same, 1.0), Numerator::CommonPairs, Denominator::AllEntries), 1.0);
  std::vector<WordRecord> empty;
  EXPECT_FALSE(similarity_of(compare_lists(empty, empty, 1.0), Numerator::FuzzySum, Denominator::AllEntries));
  std::vector<WordRecord> zero = {{"casa", 0}};
  EXPECT_FALSE(similarity_of(compare_lists(zero, zero, 100.0), Numerator::FuzzySum, Denominator::PositiveEntries));
  std::vector<WordRecord> other = {{"rua", 0.5}};
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, other, 1.0), Numerator::FuzzySum, Denominator::AllEntries), 0.0);
}

}  // namespace
}  // namespace lumeral::clustering
