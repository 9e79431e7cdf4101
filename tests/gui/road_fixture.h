// The fixture of the mining road's tool windows: the prepared sample
// collection (examples/noticias with its ontology, prepared by lumeral-cli as
// the wizard prepares a project) copied twice into the scratch folder, one
// copy for the window and one for lumeral-cli, so a test runs a window
// command and the matching command and compares lines and files.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

#include "core/base/encoding.h"
#include "gui/shell/inicio.h"
#include "gui_test.h"

namespace lumeral::gui::testing {

using lumeral::testing::lines_of;
using lumeral::testing::run_cli;
using lumeral::testing::RunResult;

inline std::vector<std::string> utf8_lines(const std::vector<Ansi>& lines) {
  std::vector<std::string> out;
  for (const Ansi& l : lines) out.push_back(to_utf8(l));
  return out;
}

class RoadTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
    if (!fs::is_directory(sample)) GTEST_SKIP() << "no sample collection at " << sample;
    proj = tmp / "noticias";
    cli = tmp / "noticias-cli";
    fs::create_directories(tmp / "cli-start");
    fs::copy(sample, proj);
    auto run = run_cli({"prepare", proj.string(), "--title", "noticias", "--language", "pt"}, tmp / "cli-start");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    fs::copy(proj, cli);
  }

  // The tools window opened from the entry menu: the main window is hidden,
  // so the tools act on their own (dialogs, no wizard project).
  void open_tools() {
    ui(w()).RadioGroup1->set_item_index(2);
    w().bt_ok_entradaClick();
    ASSERT_TRUE(windows->Form3);
    ASSERT_FALSE(w().isVisible());
  }

  // lumeral-cli in the CLI copy (pt_BR), which must succeed.
  RunResult cli_run(std::vector<std::string> args, bool must_succeed = true) {
    args.insert(args.begin(), {"--locale", "pt_BR"});
    auto run = run_cli(args, cli);
    if (must_succeed) {
      EXPECT_EQ(run.exit_code, 0) << run.err;
    }
    return run;
  }
  std::string c(const std::string& name) const { return (cli / name).string(); }

  QString last_message() const { return platform.messages.empty() ? QString() : platform.messages.back().text; }

  // Both copies classified by `method` ("deterministic", "probabilistic").
  void classify_both(const char* method) {
    for (const fs::path& folder : {proj, cli}) {
      auto run = run_cli({"classify", "--docs", (folder / "noticias.ldc").string(), "--contexts",
                          (folder / "noticias.lct").string(), "--method", method},
                         folder);
      ASSERT_EQ(run.exit_code, 0) << run.err;
    }
  }
  // The record file `name` made by "make" from `lines` in both copies.
  void make_both(const std::string& name, const std::string& lines) {
    for (const fs::path& folder : {proj, cli}) {
      auto made = run_cli({"make", (folder / name).string()}, folder, lines);
      ASSERT_EQ(made.exit_code, 0) << made.err;
    }
  }

  fs::path proj;  // the window's copy
  fs::path cli;   // lumeral-cli's copy
};

// The prepared sample, both copies classified by the probabilistic method
// through lumeral-cli: the ground of the windows that read matrices.
class ClassifiedRoadTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    classify_both("probabilistic");
  }
};

}  // namespace lumeral::gui::testing
