// The concordance (kwic) and the hierarchical clustering (cluster
// --hierarchical) on the command line: what they print, export and write.
#include <gtest/gtest.h>

#include <cstring>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

void write_list(const fs::path& p, std::initializer_list<const char*> names) {
  std::vector<records::DocRecord> list;
  for (auto n : names) list.push_back({Ansi(n), 0});
  records::write_all(p, list);
}

TEST(CliViews, KwicPrintsExportsAndCounts) {
  TempDir dir;
  write_file(dir / "a.txt", cp1252("A ação do gato\r\nO gato é\r\n"));
  write_file(dir / "bb.txt", "gato");
  write_list(dir / "l.ldc", {"a.txt", "bb.txt"});
  auto r = run_cli({"kwic", "--docs", "l.ldc", "--word", "Gato", "--width", "8"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out), (std::vector<std::string>{"a.txt        1  ação do   gato   O gato",
                                                       "a.txt        2   gato O   gato   é",
                                                       "bb.txt       1            gato", "3 ocorrências em 2 documentos"}));
  // Sorted and cut: the export holds the rows shown, the count all of them.
  r = run_cli({"kwic", "--docs", "l.ldc", "--word", "gato", "--sort", "left1", "--limit", "2", "--export", "k.csv"},
              dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out).back(), "3 ocorrências em 2 documentos; mostradas: 2");
  EXPECT_EQ(read_file(dir / "k.csv"),
            "\xEF\xBB\xBF" "Documento;Linha;Esquerda;Palavra;Direita\r\nbb.txt;1;;gato;\r\na.txt;1;A ação do ;gato;"
            " O gato é \r\n");
  // A missing document: the rows before it, the count, then the stop; no export.
  write_list(dir / "m.ldc", {"a.txt", "falta.txt", "bb.txt"});
  r = run_cli({"kwic", "--docs", "m.ldc", "--word", "gato", "--export", "m.csv"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(lines_of(r.out).size(), 3u);
  EXPECT_NE(r.err.find("O arquivo texto não está no diretório"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "m.csv"));
}

TEST(CliViews, HierarchicalClusterPrintsAsTheThresholdOneAndWritesTheTree) {
  TempDir dir;
  write_list(dir / "l.ldc", {"a.txt", "b.txt", "c.txt", "d.txt"});
  // a-c and b-d close; the pairs far apart.
  const double s[16] = {0, .1, .9, .2, .1, 0, .1, .8, .9, .1, 0, .1, .2, .8, .1, 0};
  std::string bytes(sizeof s, '\0');
  std::memcpy(bytes.data(), s, sizeof s);
  write_file(dir / "m.msm", bytes);
  const std::vector<std::string> base = {"cluster", "--docs", "l.ldc", "--method", "word", "--matrix", "m.msm"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = base;
    args.insert(args.end(), extra.begin(), extra.end());
    return run_cli(args, dir.path());
  };
  const std::vector<std::string> two = {"cluster1", "  a.txt", "  c.txt", "cluster2", "  b.txt", "  d.txt"};
  for (const char* link : {"average", "complete", "single", "ward"}) {
    auto r = with({"--hierarchical", link, "--k", "2"});
    ASSERT_EQ(r.exit_code, 0) << link << r.err;
    EXPECT_EQ(lines_of(r.out), two) << link;
    EXPECT_EQ(read_file(dir / "l.dnd").substr(0, 34), "lumeral-dendrograma 1\r\nligacao " + std::string(link).substr(0, 3))
        << link;
  }
  auto r = with({"--hierarchical", "single", "--height", "0,5", "--dendrogram", "t.dnd"});
  EXPECT_EQ(lines_of(r.out), two);
  EXPECT_EQ(read_file(dir / "t.dnd"),
            "lumeral-dendrograma 1\r\nligacao single\r\ndocumentos 4\r\n0 2 0.10000000149011612 2\r\n"
            "1 3 0.20000000298023224 2\r\n4 5 0.800000011920929 4\r\n");
  // The threshold clustering's output beside it, and the refusals.
  EXPECT_EQ(lines_of(with({"--threshold", "0,5"}).out), two);
  for (const auto& bad : std::vector<std::vector<std::string>>{{"--k", "2"},
                                                              {"--hierarchical", "ward"},
                                                              {"--hierarchical", "ward", "--threshold", "0"},
                                                              {"--hierarchical", "media", "--k", "2"}})
    EXPECT_EQ(with(bad).exit_code, 2) << bad[0];
  r = with({"--hierarchical", "ward", "--k", "5"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("entre 1 e o número de documentos (4)"), std::string::npos);
}

}  // namespace
}  // namespace lumeral::testing
