// Failed writes, provoked with a file-size limit and a read-only folder in
// a child process: a file holds its old content, or (a derived file
// rewritten in place) is gone; never a mixture, never a stray temporary.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using records::WordRecord;
using testing::Confinement;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

std::string word_list_bytes(std::size_t words, const char* prefix) {
  std::vector<WordRecord> recs;
  for (std::size_t i = 0; i < words; ++i) recs.push_back({Ansi((prefix + std::to_string(i)).c_str()), 1.0 / words});
  return records::encode_all(recs);
}

// One way of replacing the content of a file.
struct Writer {
  const char* name;
  std::function<void(const fs::path&, const std::string&)> write;
  bool removes_on_failure;  // derived file rewritten in place
};

std::vector<Writer> writers() {
  return {
      {"in place", [](const fs::path& p, const std::string& b) { write_bytes_in_place(p, b); }, true},
      {"atomic", [](const fs::path& p, const std::string& b) { write_bytes_atomic(p, b); }, false},
      {"record writer",
       [](const fs::path& p, const std::string& b) {
         records::Writer<WordRecord> out(p);
         for (const auto& r : records::decode_all<WordRecord>(b)) out.write(r);
         out.close();
       },
       false},
      {"staged",
       [](const fs::path& p, const std::string& b) {
         StagedFiles staged;
         staged.stage(p.parent_path() / "outro.lpl", "x");
         staged.stage(p, b);
         staged.commit();
       },
       false},
  };
}

std::size_t files_in(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

// A 300-word list rewritten with 200 words under a 1 KiB limit: the write
// stops after 43 records.
TEST(SafeWrite, AFailedRewriteNeverMixesNewAndOldRecords) {
  const std::string old_bytes = word_list_bytes(300, "velha");
  const std::string new_bytes = word_list_bytes(200, "nova");
  for (const auto& w : writers()) {
    TempDir dir;
    const fs::path p = dir / "doc.lpl";
    write_file(p, old_bytes);
    std::string stop = testing::stop_text_confined([&] { w.write(p, new_bytes); }, Confinement{1024, false});
    EXPECT_NE(stop.find("Erro ao gravar o arquivo \"" + p.string() + "\""), std::string::npos)
        << w.name << ": " << stop;
    if (w.removes_on_failure) {
      EXPECT_FALSE(fs::exists(p)) << w.name;
      EXPECT_NE(stop.find("foi apagado"), std::string::npos) << stop;
      EXPECT_EQ(files_in(dir.path()), 0u) << w.name;
    } else {
      EXPECT_EQ(read_file(p), old_bytes) << w.name;
      EXPECT_EQ(files_in(dir.path()), 1u) << w.name;  // no temporary file left, nothing else staged
    }
    // Without the limit every writer replaces the whole content.
    w.write(p, new_bytes);
    EXPECT_EQ(read_file(p), new_bytes) << w.name;
  }
}

TEST(SafeWrite, AReadOnlyFolderChangesNothing) {
  if (!testing::unprivileged_user()) GTEST_SKIP() << "precisa rodar como root com o usuário \"nobody\"";
  const std::string old_bytes = word_list_bytes(30, "velha");
  for (const auto& w : writers()) {
    TempDir dir;  // root's, 0755: readable but not writable by nobody
    const fs::path p = dir / "doc.lpl";
    write_file(p, old_bytes);
    ::chmod(p.c_str(), 0644);
    std::string stop = testing::stop_text_confined([&] { w.write(p, "nova"); }, Confinement{-1, true});
    EXPECT_NE(stop.find("Erro ao gravar o arquivo \""), std::string::npos) << w.name << ": " << stop;
    EXPECT_EQ(read_file(p), old_bytes) << w.name;
    EXPECT_EQ(files_in(dir.path()), 1u) << w.name;
  }
}

// The word-list builder meets the limit on one document: that list is
// removed (the run says so), the complete ones are whole.
TEST(SafeWrite, WordListBuildRemovesOnlyTheListItCouldNotFinish) {
  TempDir dir;
  write_file(dir / "vazia.stw", "");
  std::string small = "casa bola", large;
  for (int i = 0; i < 400; ++i) large += "palavra" + std::to_string(i) + " ";
  write_file(dir / "a.txt", small);
  write_file(dir / "b.txt", large);
  std::vector<fs::path> docs = {dir / "a.txt", dir / "b.txt"};
  write_file(dir / "b.lpl", word_list_bytes(600, "velha"));
  std::string stop = testing::stop_text_confined(
      [&] { preparation::build_word_lists(docs, dir / "vazia.stw", std::nullopt, testing::pt(), Progress::none()); },
      Confinement{4096, false});
  EXPECT_NE(stop.find("b.lpl"), std::string::npos) << stop;
  EXPECT_FALSE(fs::exists(dir / "b.lpl"));
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl").size(), 2u);
}

}  // namespace
}  // namespace lumeral
