#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::clustering {
namespace {

using namespace lumeral::testing;
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
    ASSERT_EQ(expected.size(), n * n * 8);
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
  EXPECT_EQ(stop_text([&] { show_matrix(three, m, pt()); }),
            "A matriz de similaridades é de uma lista de 2 docs, mas a lista carregada tem 3. Crie ou abra a "
            "matriz desta lista antes.");
  EXPECT_EQ(stop_text([&] { form_clusters(three, m, true, Ansi(""), pt()); }),
            "A matriz de similaridades é de uma lista de 2 docs, mas a lista carregada tem 3. Crie ou abra a "
            "matriz desta lista antes.");
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

}  // namespace
}  // namespace lumeral::clustering
