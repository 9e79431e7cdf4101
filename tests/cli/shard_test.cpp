#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using records::ContextRecord;
using records::DocRecord;

// A collection of 23 documents (some in UTF-8, one empty, one whose name
// differs in case from its list entry), a stopword list and three contexts
// of words and sentence rules.
void collection(const fs::path& dir) {
  std::mt19937 rng(5);
  const char* words[] = {"bola", "gol", "Copa", "mundo", "casa", "casamento", "de", "o", "a", "jogo", "ÁGUA", "ação"};
  std::vector<DocRecord> list;
  for (int d = 0; d < 23; ++d) {
    std::string text;
    int n = d == 7 ? 0 : std::uniform_int_distribution<int>(5, 60)(rng);
    for (int i = 0; i < n; ++i) {
      text += words[std::uniform_int_distribution<int>(0, 11)(rng)];
      text += i % 9 == 8 ? ". " : i % 13 == 12 ? "\r\n" : " ";
    }
    std::string name = "doc" + std::to_string(d) + ".txt";
    write_file(dir / (d == 4 ? "DOC4.TXT" : name), d % 3 == 0 ? text : cp1252(text));
    list.push_back({Ansi(name.c_str()), 0});
  }
  records::write_all(dir / "lista.ldc", list);
  records::write_all<records::StopRecord>(dir / "s.stw", {{"a"}, {"de"}, {"o"}});
  records::write_all<ContextRecord>(dir / "esporte.ctt", {{"bola", 0.5}, {"gol", 0.25}, {"bola -casa", 1}});
  records::write_all<ContextRecord>(dir / "lar.ctt", {{"casa", 0.8}, {"casa$", 1}, {"mundo", 0.1}});
  records::write_all<ContextRecord>(dir / "copa.ctt", {{"copa mundo", 1}, {"jogo", 0.3}});
  records::write_all<records::ContextListRecord>(dir / "ctx.lct", {{"esporte", 0}, {"lar", 0}, {"copa", 0}});
}

// Runs lumeral-cli once per argument list, all at the same time, each in
// its own process in `cwd`; returns the exit codes, in order.
std::vector<int> run_together(const std::vector<std::vector<std::string>>& runs, const fs::path& cwd) {
  const int null = ::open("/dev/null", O_WRONLY);
  std::vector<pid_t> pids;
  for (const auto& args : runs) pids.push_back(start_cli(args, cwd, 0, null, 2));
  ::close(null);
  std::vector<int> codes;
  for (pid_t pid : pids) codes.push_back(wait_cli(pid));
  return codes;
}

// The per-document stages of a whole collection, once in one run each and
// once in three shards running at the same time, with the collection-wide
// centroid in between: the folders end byte for byte equal.
TEST(CliShard, ThreeShardsInParallelEqualOneRun) {
  TempDir single, sharded;
  collection(single.path());
  collection(sharded.path());
  const std::vector<std::vector<std::string>> stages = {
      {"wordlists", "--stopwords", "s.stw", "--docs", "lista.ldc"},
      {"classify", "--docs", "lista.ldc", "--contexts", "ctx.lct", "--method", "probabilistic"},
      {"centroid", "--docs", "lista.ldc", "--type", "two"},  // collection-wide: once
      {"differences", "--docs", "lista.ldc", "--centroid", "centroide-2.lpl"},
      {"differences", "--docs", "lista.ldc", "--centroid", "centroide-2.lpl", "--method", "context"},
      {"classify", "--docs", "lista.ldc", "--contexts", "ctx.lct", "--method", "deterministic"},
  };
  for (const auto& stage : stages) {
    auto one = run_cli(stage, single.path());
    ASSERT_EQ(one.exit_code, 0) << stage[0] << one.err;
    if (stage[0] == "centroid") {
      ASSERT_EQ(run_cli(stage, sharded.path()).exit_code, 0);
      continue;
    }
    std::vector<std::vector<std::string>> shards;
    for (int i = 0; i < 3; ++i) {
      shards.push_back(stage);
      shards.back().insert(shards.back().end(), {"--shard", std::to_string(i) + "/3"});
    }
    EXPECT_EQ(run_together(shards, sharded.path()), (std::vector<int>{0, 0, 0})) << stage[0];
    EXPECT_EQ(folder_snapshot(single.path()), folder_snapshot(sharded.path())) << stage[0];
  }
  EXPECT_EQ(fs::file_size(single / "doc22.mtz"), 3u * 24u);
}

// A shard writes the files of its own documents and no other; a shard past
// the end of the list writes nothing.
TEST(CliShard, TouchesOnlyItsDocuments) {
  TempDir dir;
  collection(dir.path());
  ASSERT_EQ(run_cli({"wordlists", "--stopwords", "s.stw", "--docs", "lista.ldc", "--shard", "1/10"}, dir.path()).exit_code, 0);
  std::vector<std::string> made;
  for (const auto& e : fs::directory_iterator(dir.path()))
    if (e.path().extension() == ".lpl") made.push_back(e.path().filename().string());
  std::sort(made.begin(), made.end());
  EXPECT_EQ(made, (std::vector<std::string>{"doc1.lpl", "doc11.lpl", "doc21.lpl"}));

  records::write_all<DocRecord>(dir / "dois.ldc", {{"doc1.txt", 0}, {"doc11.txt", 0}});
  const auto before = folder_snapshot(dir.path());
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"wordlists", "--stopwords", "s.stw", "--docs", "dois.ldc", "--shard", "5/9"},
           {"classify", "--docs", "dois.ldc", "--contexts", "ctx.lct", "--method", "probabilistic", "--shard", "2/3"},
           {"differences", "--docs", "dois.ldc", "--centroid", "doc1.lpl", "--shard", "2/3"}}) {
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, 0) << args[0] << r.err;
  }
  EXPECT_EQ(folder_snapshot(dir.path()), before);
}

TEST(CliShard, BadValuesAreUsageErrors) {
  TempDir dir;
  collection(dir.path());
  for (const char* bad : {"3/3", "1/0", "-1/3", "a/3", "1", "1/3/4", " 1/3", "1/", "/3", "+1/3"}) {
    auto r = run_cli({"classify", "--docs", "lista.ldc", "--contexts", "ctx.lct", "--method", "probabilistic",
                      "--shard", bad},
                     dir.path());
    EXPECT_EQ(r.exit_code, 2) << bad;
    EXPECT_NE(r.err.find("--shard: espera I/N com 0 <= I < N"), std::string::npos) << r.err;
  }
  EXPECT_EQ(folder_snapshot(dir.path()).count("doc0.mtz"), 0u);
}

}  // namespace
}  // namespace lumeral::testing
