// Every long operation cancelled part-way through its Progress: it stops
// with Cancelled, each file it touched is either as it was or as an
// uncancelled run writes it (nothing half-written, no temporary left), and
// running it again gives what an uncancelled run gives.
#include <gtest/gtest.h>

#include <atomic>
#include <algorithm>
#include <chrono>
#include <limits>
#include <map>
#include <set>
#include <thread>

#include "core/association/term_association.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/classification/matrix.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"
#include "core/mining/mine.h"
#include "core/preparation/import.h"
#include "core/preparation/office_text.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "core/retrieval/similar.h"
#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral {
namespace {

using namespace lumeral::testing;

// Asks to stop after `k` questions: the run meets the request at its
// (k+1)-th check between documents.
class CancelAfter : public Progress {
 public:
  explicit CancelAfter(int k) : k_(k) {}
  bool cancelled() override { return checks_++ >= k_; }
  int checks() const { return checks_; }

 private:
  int k_;
  int checks_ = 0;
};

// Counts the checks of a run that is not cancelled.
struct CountChecks : CancelAfter {
  CountChecks() : CancelAfter(std::numeric_limits<int>::max()) {}
};

// Every file of a folder with its bytes; the folder's own path, which a
// report names, is written as "PASTA" so two copies compare equal.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  const std::string name = folder.string();
  for (const auto& e : fs::directory_iterator(folder)) {
    std::string bytes = read_file(e.path());
    for (std::size_t at; (at = bytes.find(name)) != std::string::npos;) bytes.replace(at, name.size(), "PASTA");
    files[e.path().filename().string()] = std::move(bytes);
  }
  return files;
}

std::vector<Ansi> import_all(const fs::path& folder, Progress& progress) {
  preparation::ImportInput in;
  in.folder = folder;
  in.title = Ansi("noticias");
  in.stopwords = folder / "pt.stw";
  return preparation::run_import(in, pt(), progress).last.texts;
}

// The sample collection, copied, and optionally prepared (texts, list,
// word lists).
enum class Stage { Raw, Prepared };

void make_collection(const fs::path& folder, Stage stage) {
  fs::create_directories(folder);
  for (const auto& e : fs::directory_iterator(source_dir() / "examples" / "noticias"))
    fs::copy_file(e.path(), folder / e.path().filename());
  preparation::save_stopwords(folder / "pt.stw", {Ansi("de"), Ansi("o"), Ansi("a"), Ansi("e"), Ansi("que")});
  if (stage == Stage::Prepared) import_all(folder, Progress::none());
}

// Results kept in memory by an operation, to compare a rerun with.
using Operation = std::function<std::vector<Ansi>(const fs::path& folder, Progress&)>;

struct Case {
  const char* name;
  Stage stage;
  Operation run;
  // Checks made from a parallel run's progress reports: how many there are
  // depends on the scheduling, so only the first one is a fixed point.
  bool scheduled_checks = false;
};

std::vector<Ansi> classify_all(const fs::path& folder, Progress& progress) {
  classification::ClassifyRun run;
  run.doc_list = folder / "noticias.ldc";
  run.context_list = folder / "noticias.lct";
  run.threads = 2;
  classification::classify(run, progress);
  return {};
}

std::vector<Ansi> associate(const fs::path& folder, Progress& progress) {
  association::AssociationInput in;
  in.document_list = folder / "noticias.ldc";
  in.method = association::AssociationMethod::DocumentPresence;
  return association::association_lines(association::calculate_associations(in, pt(), progress).rows());
}

std::vector<Ansi> similarity_matrix(const fs::path& folder, Progress& progress) {
  auto m = clustering::create_matrix(folder, listed_documents(folder / "noticias.ldc"), clustering::Method::Words,
                                     progress);
  return clustering::show_matrix(listed_documents(folder / "noticias.ldc"), m, pt());
}

std::vector<Ansi> clusters(const fs::path& folder, Progress& progress) {
  const auto names = listed_documents(folder / "noticias.ldc");
  auto m = clustering::create_matrix(folder, names, clustering::Method::Words);
  return clustering::cluster_lines(clustering::form_clusters(names, m, true, Ansi("0,01"), pt(), progress));
}

std::vector<Ansi> retrieve_list(const fs::path& folder, Progress& progress) {
  // The first ten documents are the cases, compared with the whole list.
  auto names = listed_documents(folder / "noticias.ldc");
  names.resize(10);
  std::vector<records::DocRecord> cases;
  for (auto& n : names) cases.push_back({n, 0.0});
  if (!fs::exists(folder / "casos.ldc")) records::write_all(folder / "casos.ldc", cases);
  const auto when = std::chrono::system_clock::time_point(std::chrono::hours(24 * 365 * 50));
  auto listing = retrieval::retrieve_cases(folder / "noticias.ldc", folder / "casos.ldc", folder / "relatorio-sim.txt",
                                           {}, pt(), when, progress);
  listing.rethrow();
  return retrieval::similar_lines(listing.rows);
}

std::vector<Ansi> mine(const fs::path& folder, Progress& progress) {
  auto out = mining::mine_project(folder / "noticias.ini", pt(), progress);
  return mining::rule_lines(out.rules);
}

const Case kCases[] = {
    // The word lists are checked for a cancel by the calling thread between
    // the documents it takes itself, and the helpers take the others.
    {"preparation", Stage::Raw, import_all, true},
    {"classification", Stage::Prepared, classify_all},
    {"term association", Stage::Prepared, associate},
    {"similarity matrix", Stage::Prepared, similarity_matrix, true},
    {"similarity retrieval over a list", Stage::Prepared, retrieve_list},
    {"clustering", Stage::Prepared, clusters},
    {"mining", Stage::Prepared, mine},
};

TEST(Cancel, EveryLongOperationStopsWithWholeFilesAndRerunsTheSame) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    // The reference: an uncancelled run, counting its checks.
    const fs::path reference = dir / "referencia";
    make_collection(reference, c.stage);
    CountChecks counted;
    const std::vector<Ansi> expected = c.run(reference, counted);
    const auto after = snapshot(reference);
    ASSERT_GT(counted.checks(), 0) << "the operation never checks for a cancel";

    // Cancelled at the first check and a few documents in. (Later checks
    // of a parallel run depend on how the work was shared out.)
    const int late = c.scheduled_checks ? 0 : std::min(5, counted.checks() - 1);
    for (int k : std::set<int>{0, late}) {
      SCOPED_TRACE(k);
      const fs::path folder = dir / ("cancelada-" + std::to_string(k));
      make_collection(folder, c.stage);
      const auto before = snapshot(folder);
      CancelAfter cancel(k);
      EXPECT_THROW(c.run(folder, cancel), Cancelled);
      EXPECT_EQ(cancel.checks(), k + 1) << "the run went on after the cancel";
      for (const auto& [name, sum] : snapshot(folder)) {
        auto was = before.find(name);
        auto done = after.find(name);
        const bool as_before = was != before.end() && was->second == sum;
        const bool as_finished = done != after.end() && done->second == sum;
        EXPECT_TRUE(as_before || as_finished) << name << " is neither as it was nor as a finished run writes it";
      }
      // Rerun: the same results and files as the uncancelled run.
      EXPECT_EQ(c.run(folder, Progress::none()), expected);
      EXPECT_TRUE(snapshot(folder) == after) << "the rerun wrote other files";
    }
  }
}

TEST(Cancel, TheMiningStepCancelledKeepsTheStatusFileOfTheLastFinishedRun) {
  TempDir dir;
  make_collection(dir.path(), Stage::Prepared);
  mine(dir.path(), Progress::none());
  const std::string finished = read_file(dir / "resultados_n4.wiz");
  // A later run cancelled in any phase leaves the status file as it was.
  CountChecks counted;
  mine(dir.path(), counted);
  for (int k : std::set<int>{1, counted.checks() / 2, counted.checks() - 1}) {
    CancelAfter cancel(k);
    EXPECT_THROW(mine(dir.path(), cancel), Cancelled);
    EXPECT_EQ(read_file(dir / "resultados_n4.wiz"), finished) << k;
  }
}

// Asks to stop once the run's status has shown `trigger`.
class CancelAfterStatus : public Progress {
 public:
  explicit CancelAfterStatus(std::string trigger) : trigger_(std::move(trigger)) {}
  void status(std::string_view text) override { seen_ = seen_ || text.find(trigger_) != std::string_view::npos; }
  bool cancelled() override { return seen_; }

 private:
  std::string trigger_;
  bool seen_ = false;
};

TEST(Cancel, ATermAssociationCancelledInItsMergeKeepsThePreviousStore) {
  TempDir dir;
  make_collection(dir.path(), Stage::Prepared);
  association::AssociationInput in;
  in.document_list = dir / "noticias.ldc";
  in.memory_budget = 4096;  // spills runs all along
  const auto before = association::association_lines(association::calculate_associations(in, pt()).rows());
  const std::string stored = read_file(dir / "temp.ass");
  const std::size_t documents = listed_documents(in.document_list).size();
  // Every document counted: what is left is the sort and merge of the runs.
  CancelAfterStatus cancel("Examinando doc " + std::to_string(documents) + " de ");
  EXPECT_THROW(association::calculate_associations(in, pt(), cancel), Cancelled);
  EXPECT_EQ(read_file(dir / "temp.ass"), stored);
  for (const auto& e : fs::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().filename().string().rfind(".lumeral-tmp-", 0), std::string::npos) << e.path();
  EXPECT_EQ(association::association_lines(association::calculate_associations(in, pt()).rows()), before);
}

TEST(Cancel, ConvertingOfficeDocumentsStopsAtTheNextDocument) {
  TempDir dir;
  for (int i = 1; i <= 4; ++i)
    write_docx(dir / ("carta" + std::to_string(i) + ".docx"),
               "<w:p><w:r><w:t>Carta número " + std::to_string(i) + " sobre o mercado.</w:t></w:r></w:p>");
  preparation::ImportInput in;
  in.folder = dir.path();
  in.title = Ansi("cartas");
  in.formats = preparation::all_formats();
  CancelAfter cancel(1);
  EXPECT_THROW(preparation::run_import(in, pt(), cancel), Cancelled);
  int converted = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) converted += e.path().filename().string().rfind("docx-", 0) == 0;
  EXPECT_EQ(converted, 1);
}

TEST(Cancel, AReportThatStopsAParallelRunIsRethrownAfterTheWorkersJoin) {
  std::atomic<int> done{0};
  EXPECT_THROW(parallel_for(
                   10000,
                   [&](std::size_t) {
                     std::this_thread::sleep_for(std::chrono::microseconds(20));
                     ++done;
                   },
                   [&](std::size_t) { throw Cancelled(); }, 4),
               Cancelled);
  EXPECT_LT(done.load(), 10000);
}

}  // namespace
}  // namespace lumeral
