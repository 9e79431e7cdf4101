#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/mining/mine.h"
#include "support/fixtures.h"

namespace lumeral::mining {
namespace {

using namespace lumeral::testing;

TEST(MiningLists, TheChosenOntologyOrTheProjectsOwnListAndTheChecksInOrder) {
  TempDir dir;
  const shell::Project project{dir.path(), Ansi("proj")};
  const fs::path chosen = dir / "outra.lct";
  EXPECT_EQ(mining_context_list(project, std::nullopt), dir / "proj.lct");
  EXPECT_EQ(mining_context_list(project, chosen), chosen);

  auto message = [&](const fs::path& list, const char* line_break) {
    try {
      check_mining_lists(project, list, line_break);
      return std::string();
    } catch (const Stop& s) {
      return s.text();
    }
  };
  // Contexts are checked before documents; each caller keeps its line break.
  EXPECT_EQ(message(fs::path(), "\n\r"), "O Wizard encontrou um problema:\n\rLista de contextos não existe");
  EXPECT_EQ(message(chosen, "\n"), "O Wizard encontrou um problema:\nLista de contextos não existe");
  fs::create_directories(chosen);  // a folder is no list
  EXPECT_EQ(message(chosen, "\n"), "O Wizard encontrou um problema:\nLista de contextos não existe");
  write_file(dir / "proj.lct", "");
  EXPECT_EQ(message(dir / "proj.lct", "\n\r"), "O Wizard encontrou um problema:\n\rLista de documentos não existe");
  write_file(dir / "proj.ldc", "");
  EXPECT_EQ(message(dir / "proj.lct", "\n"), "");
  EXPECT_EQ(check_mining_lists(project, dir / "proj.lct", "\n").doc_list, dir / "proj.ldc");
}

}  // namespace
}  // namespace lumeral::mining
