#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/mining/mine.h"
#include "core/mining/rich_text.h"
#include "support/fixtures.h"

namespace lumeral::mining {
namespace {

using namespace lumeral::testing;

TEST(RichText, StyleButtonsToggleBetweenTheirStyleAloneAndPlain) {
  const FontStyle bold{true, false, false}, italic{false, true, false}, plain{};
  struct Case {
    FontStyle current, button, expected;
  } cases[] = {
      {{true, true, false}, bold, bold},  // bold and italic: bold only
      {bold, bold, plain},                // then plain
      {plain, italic, italic},
      {bold, italic, italic},             // another style: that style alone
      {{false, false, true}, {false, false, true}, plain},
  };
  for (const Case& c : cases) EXPECT_EQ(press_style(c.current, c.button), c.expected);
}

TEST(RichText, TheReportBecomesStyledParagraphsAndRtf) {
  Report report = build_report({{Ansi("economia"), Ansi("3"), Ansi("37,5")}},
                               {to_ansi("--66,67%  dos textos que falam em a também falam em b.")});
  auto paragraphs = report_paragraphs(report);
  ASSERT_EQ(paragraphs.size(), report.paragraphs.size());
  EXPECT_TRUE(paragraphs[0].runs.empty());
  ASSERT_EQ(paragraphs[2].runs.size(), 1u);
  EXPECT_TRUE(paragraphs[2].runs[0].style.bold);
  EXPECT_EQ(paragraphs[4].align, RichParagraph::Align::Center);
  EXPECT_EQ(paragraphs[4].first_indent, 10);
  EXPECT_TRUE(paragraphs.back().bullet);

  paragraphs.back().runs.push_back({Ansi("{x}\\"), {false, true, true}, 14});
  const std::string rtf = rich_text_rtf(paragraphs);
  EXPECT_NE(rtf.find("{\\plain\\f0\\fs20\\b Wizard - Lumeral - Corvana Mining}"), std::string::npos);
  EXPECT_NE(rtf.find("\\pard\\qc\\fi200 {\\plain\\f0\\fs20 Relat\\'f3rio de Minera\\'e7\\'e3o dos textos}\\par"),
            std::string::npos);
  EXPECT_NE(rtf.find("tamb\\'e9m"), std::string::npos);
  EXPECT_NE(rtf.find("{\\plain\\f0\\fs28\\i\\ul \\{x\\}\\\\}"), std::string::npos);
  // One paragraph mark per paragraph, and only ASCII bytes.
  std::size_t pars = 0;
  for (std::size_t at = rtf.find("\\par\r\n"); at != std::string::npos; at = rtf.find("\\par\r\n", at + 1)) ++pars;
  EXPECT_EQ(pars, paragraphs.size());
  for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(RichText, OneWriterForTheReportFileAndTheWindowsSave) {
  RtfOptions file;
  file.header_pard = false;
  file.run_groups = false;
  file.tab_word = false;
  const FontStyle bold{true, false, false};
  auto para = [](std::vector<RichRun> runs) {
    RichParagraph p;
    p.runs = std::move(runs);
    return p;
  };
  struct Case {
    RichParagraph paragraph;
    const char* as_file;    // the report file's variant
    const char* as_window;  // the report window's save
  } cases[] = {
      {para({}), "\\pard \\par", "\\pard \\par"},
      {para({{Ansi("T\tx"), bold, 10}}), "\\pard\\b T\\'09x\\b0\\par", "\\pard {\\plain\\f0\\fs20\\b T\\tab x}\\par"},
      // Plain runs side by side get no blank between them.
      {para({{Ansi("a"), {}, 10}, {Ansi("b"), {}, 10}}), "\\pard ab\\par",
       "\\pard {\\plain\\f0\\fs20 a}{\\plain\\f0\\fs20 b}\\par"},
      {para({{Ansi("a"), bold, 10}, {Ansi("b"), {}, 10}, {Ansi("c"), {false, true, true}, 10}}),
       "\\pard\\b a\\b0 b\\i\\ul c\\i0\\ulnone\\par",
       "\\pard {\\plain\\f0\\fs20\\b a}{\\plain\\f0\\fs20 b}{\\plain\\f0\\fs20\\i\\ul c}\\par"},
  };
  const std::string head = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 "
                           "Symbol;}}\r\n\\viewkind4\\uc1";
  for (const Case& c : cases) {
    EXPECT_EQ(rich_text_rtf({c.paragraph}, file), head + "\\f0\\fs20\r\n" + c.as_file + "\r\n}\r\n") << c.as_file;
    EXPECT_EQ(rich_text_rtf({c.paragraph}), head + "\\pard\\f0\\fs20\r\n" + c.as_window + "\r\n}\r\n")
        << c.as_window;
  }
  // The report file is the report's paragraphs in the file's variant.
  Report report = build_report({{Ansi("economia"), Ansi("3"), Ansi("37,5")}}, {Ansi("-a\tb")});
  EXPECT_EQ(report_rtf(report), rich_text_rtf(report_paragraphs(report), file));
}

TEST(MiningLists, TheChosenOntologyOrTheProjectsOwnListAndTheChecksInOrder) {
  TempDir dir;
  const shell::Project project{dir.path(), Ansi("proj")};
  const fs::path chosen = dir / "outra.lct";
  EXPECT_EQ(mining_context_list(project, std::nullopt), dir / "proj.lct");
  EXPECT_EQ(mining_context_list(project, chosen), chosen);

  auto message = [&](const fs::path& list, const char* line_break) {
    return stop_text([&] { check_mining_lists(project, list, line_break); });
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
