// Term association under a memory budget: a store that spills sorted runs
// writes the same "temp.ass" and lists the same lines as one that never
// spills, and leaves no scratch files behind.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <limits>
#include <random>

#include "core/association/pair_listing.h"
#include "core/association/pair_store.h"
#include "core/association/strongest_pairs.h"
#include "core/association/association_lines.h"
#include "core/association/term_association.h"
#include "core/base/message.h"
#include "core/base/scratch.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::association {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

// Features that meet every part of the listing's order: letter case, accents,
// words cut to 15 characters, digits (never paired) and, for contexts,
// names with blanks.
std::vector<std::string> vocabulary(bool blanks) {
  std::vector<std::string> v = {"casa", "Casa", "CASA", "bola", "gol", "time", "ação", "acao", "Ação", "Évora",
                                "évora", "zebra", "abelha", "Zebra", "rua", "paralelepipedo_comprido",
                                "paralelepipedo_curto", "x", "y", "2004"};
  if (blanks) v.insert(v.end(), {"meio ambiente", "meio", "meio  ambiente", "a b"});
  return v;
}

// Many documents over a small vocabulary, so pairs repeat across documents
// and across the runs a small budget cuts.
fs::path collection(const TempDir& dir, AssociationMethod method, unsigned seed) {
  std::mt19937 rng(seed);
  const bool contexts = method == AssociationMethod::Contexts;
  const auto words = vocabulary(contexts);
  std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1), len(0, 14), zero(0, 6);
  std::vector<records::DocRecord> docs;
  for (int d = 0; d < 90; ++d) {
    const std::string base = "doc" + std::to_string(d) + ".";
    docs.push_back({Ansi((base + "txt").c_str()), 0});
    if (method == AssociationMethod::Sentence) {
      std::string text;
      const std::size_t sentences = len(rng) / 3 + 1;
      for (std::size_t s = 0; s < sentences; ++s) {
        const std::size_t n = len(rng);
        for (std::size_t k = 0; k < n; ++k) text += words[pick(rng)] + (k % 4 == 3 ? ", " : " ");
        text += s % 2 ? "?\n" : ".\n";
      }
      write_file(dir / (base + "txt"), cp1252(text));
      continue;
    }
    std::vector<WordRecord> list;
    const std::size_t n = len(rng);
    for (std::size_t k = 0; k < n; ++k)
      list.push_back({Ansi(cp1252(words[pick(rng)]).c_str()), zero(rng) == 0 ? 0.0 : 0.25});
    records::write_all(dir / (base + (contexts ? "mtz" : "lpl")), list);
  }
  records::write_all(dir / "lista.ldc", docs);
  return dir / "lista.ldc";
}

bool scratch_left(const fs::path& folder) {
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().filename().string().rfind(".lumeral-tmp-", 0) == 0) return true;
  return false;
}

struct Outcome {
  std::string pair_store;
  std::vector<Ansi> lines;
};

Outcome associate(const fs::path& list, AssociationMethod method, std::size_t budget) {
  AssociationInput in;
  in.document_list = list;
  in.method = method;
  in.memory_budget = budget;
  auto result = calculate_associations(in, pt());
  return {read_file(result.pair_store), association_lines(result.rows())};
}

TEST(BoundedAssociation, AnyBudgetGivesTheSameStoreAndListing) {
  const AssociationMethod methods[] = {AssociationMethod::DocumentPresence, AssociationMethod::Sentence,
                                       AssociationMethod::Contexts};
  for (AssociationMethod method : methods) {
    for (unsigned seed : {1u, 2u}) {
      TempDir dir;
      const auto list = collection(dir, method, seed);
      const Outcome unbounded = associate(list, method, kDefaultMemoryBudget);
      ASSERT_GT(unbounded.lines.size(), 200u) << "the collection must give many pairs";
      // 2 KB holds 16 pairs: hundreds of runs, merged in several passes.
      for (std::size_t budget : {std::size_t{2048}, std::size_t{6000}, std::size_t{64 * 1024}}) {
        const Outcome bounded = associate(list, method, budget);
        EXPECT_EQ(bounded.pair_store, unbounded.pair_store)
            << "method " << static_cast<int>(method) << ", budget " << budget;
        EXPECT_EQ(bounded.lines, unbounded.lines) << "method " << static_cast<int>(method) << ", budget " << budget;
        EXPECT_FALSE(scratch_left(dir.path()));
      }
    }
  }
}

// The peak resident memory of `f` run in a child process; -1 when the
// child failed.
long long peak_memory(const std::function<void()>& f) {
  pid_t pid = ::fork();
  if (pid == 0) {
    try {
      f();
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return static_cast<long long>(usage.ru_maxrss) * 1024;
}

TEST(BoundedAssociation, DocumentsOfManyWordsStayUnderTheBudget) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "sob o AddressSanitizer a memória medida inclui a quarentena do alocador";
#endif
  // Documents of 600 distinct words out of 1,200: 180,000 pairs each,
  // some 680,000 distinct pairs in all (over 30 MB held at once without a
  // bound).
  TempDir dir;
  std::mt19937 rng(7);
  std::vector<records::DocRecord> docs;
  std::vector<std::uint32_t> vocabulary(1200);
  for (std::uint32_t k = 0; k < vocabulary.size(); ++k) vocabulary[k] = k;
  for (int d = 0; d < 10; ++d) {
    std::shuffle(vocabulary.begin(), vocabulary.end(), rng);
    std::vector<WordRecord> list;
    for (std::size_t k = 0; k < 600; ++k) list.push_back({Ansi("p") + ansi_number(vocabulary[k]), 0.5});
    const std::string base = "doc" + std::to_string(d);
    records::write_all(dir / (base + ".lpl"), list);
    docs.push_back({Ansi((base + ".txt").c_str()), 0});
  }
  records::write_all(dir / "lista.ldc", docs);
  records::write_all(dir / "curta.ldc", std::vector<records::DocRecord>(docs.begin(), docs.begin() + 1));
  constexpr std::size_t kBudget = 4 << 20;
  auto associate_list = [&](const char* list) {
    return peak_memory([&] {
      AssociationInput in;
      in.document_list = dir / list;
      in.memory_budget = kBudget;
      calculate_associations(in, pt());
    });
  };
  // Against one document's run, which holds the program, its libraries and
  // the collator as much as the whole run does.
  const long long one = associate_list("curta.ldc"), all = associate_list("lista.ldc");
  ASSERT_GT(one, 0);
  ASSERT_GT(all, 0);
  EXPECT_LT(all - one, static_cast<long long>(2 * kBudget)) << (all - one) / 1024 << " KB";
}

TEST(BoundedAssociation, TheStrongestPairsReadFromTheListingMakeTheSameNetwork) {
  const AssociationMethod methods[] = {AssociationMethod::DocumentPresence, AssociationMethod::Sentence,
                                       AssociationMethod::Contexts};
  for (AssociationMethod method : methods) {
    TempDir dir;
    const auto list = collection(dir, method, 4);
    AssociationInput in;
    in.document_list = list;
    in.method = method;
    const auto result = calculate_associations(in, pt());
    const std::vector<AssociationRow> rows = result.rows();
    for (std::size_t top : {std::size_t{5}, std::size_t{60}, std::size_t{100000}})
      for (const char* threshold : {"", "2"})
        for (std::size_t budget : {std::size_t{4096}, kDefaultMemoryBudget}) {
          SCOPED_TRACE(::testing::Message() << "method " << static_cast<int>(method) << ", top " << top
                                          << ", threshold " << threshold << ", budget " << budget);
          const auto kept = *threshold ? filter_by_threshold(rows, Ansi(threshold), pt()) : rows;
          const charts::Network expected = charts::cooccurrence_network(kept, top, pt());
          StrongestPairsOptions options;
          options.strongest = top;
          if (*threshold) options.threshold = Ansi(threshold);
          options.memory_budget = budget;
          options.scratch_parent = dir.path();
          const charts::Network got = strongest_pairs_network(result.listing, options, pt());
          ASSERT_EQ(got.nodes.size(), expected.nodes.size());
          ASSERT_EQ(got.edges.size(), expected.edges.size());
          for (std::size_t i = 0; i < got.nodes.size(); ++i) {
            EXPECT_EQ(got.nodes[i].label, expected.nodes[i].label);
            EXPECT_EQ(got.nodes[i].weight, expected.nodes[i].weight);
            EXPECT_EQ(got.nodes[i].community, expected.nodes[i].community);
          }
          for (std::size_t i = 0; i < got.edges.size(); ++i) {
            EXPECT_EQ(got.edges[i].from, expected.edges[i].from);
            EXPECT_EQ(got.edges[i].to, expected.edges[i].to);
            EXPECT_EQ(got.edges[i].label, expected.edges[i].label);
          }
          EXPECT_FALSE(scratch_left(dir.path()));
        }
  }
}

// A run holds each pair as it was, whatever the size of its fields and its
// weight (whole or not, signed zero, not a number); a pair of small ids and
// count takes under half its size in memory, and a run cut inside a record
// is refused.
TEST(BoundedAssociation, RunsHoldEveryPairExactlyAndSmall) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const SpilledPair cases[] = {
      {0, 0, 0.0, 0},
      {3, 70000, 1.0, 12345},
      {0xffffffffu, 0xffffffu, 255.0, 0xffffffffffffffffull},
      {1, 2, 9007199254740991.0, 1ull << 40},  // 2^53 - 1: the largest whole weight kept short
      {1, 2, 9007199254740992.0, 7},
      {5, 6, 0.5, 8},
      {5, 6, -0.0, 9},
      {5, 6, -3.0, 10},
      {5, 6, 1e300, 11},
      {5, 6, nan, 12},
  };
  TempDir dir;
  ScratchFolder scratch(dir.path());
  const fs::path run = scratch.new_file();
  {
    RunWriter out(run);
    for (const auto& c : cases) RunCodec<SpilledPair>::write(out, c);
    out.close();
  }
  RunReader in(run);
  SpilledPair r;
  for (const auto& c : cases) {
    ASSERT_TRUE(RunCodec<SpilledPair>::read(in, r));
    EXPECT_EQ(r.first, c.first);
    EXPECT_EQ(r.second, c.second);
    EXPECT_EQ(r.found, c.found);
    EXPECT_EQ(std::memcmp(&r.weight, &c.weight, sizeof r.weight), 0) << c.weight;
  }
  EXPECT_FALSE(RunCodec<SpilledPair>::read(in, r));

  {
    RunWriter out(run);
    RunCodec<SpilledPair>::write(out, cases[1]);
    out.close();
  }
  EXPECT_LT(fs::file_size(run) * 2, sizeof(SpilledPair));
  fs::resize_file(run, fs::file_size(run) - 1);
  RunReader cut(run);
  EXPECT_THROW(RunCodec<SpilledPair>::read(cut, r), Stop);
}

TEST(BoundedAssociation, AStoppedRunKeepsThePreviousStoreAndLeavesNoRuns) {
  TempDir dir;
  const auto list = collection(dir, AssociationMethod::DocumentPresence, 3);
  const Outcome before = associate(list, AssociationMethod::DocumentPresence, kDefaultMemoryBudget);
  fs::remove(dir / "doc89.lpl");  // the last document: every other one is counted (and spilled) first
  AssociationInput in;
  in.document_list = list;
  in.memory_budget = 2048;
  EXPECT_EQ(stop_text([&] { calculate_associations(in, pt()); }), "Criar listas de palavras antes");
  EXPECT_EQ(read_file(dir / "temp.ass"), before.pair_store);
  EXPECT_FALSE(scratch_left(dir.path()));
}

}  // namespace
}  // namespace lumeral::association
