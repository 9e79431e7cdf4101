// Classification by highest weight (`form_classifica2`) on the classified
// sample: the lines and files of lumeral-cli, the category filter, and a
// missing matrix.
#include <QAction>

#include "gui/classification/classifica2.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Highest : public ClassifiedRoadTest {
 protected:
  Tform_classifica2& f() { return *windows->form_classifica2; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_classifica2).ListBox1->lines()); }
  void classify() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Button1Click();
  }
};

TEST_F(Highest, ListsFiltersAndSavesAsTheCommandLine) {
  open_tools();
  classify();
  const auto all = shown();
  EXPECT_EQ(all.size(), 40u);
  EXPECT_EQ(all, lines_of(cli_run({"classify-highest", "--docs", c("noticias.ldc")}).out));
  EXPECT_EQ(ui(f()).Edit_total->text(), "40");

  // The category field is trimmed and compared with its case.
  for (const char* category : {"economia", " esporte ", "Economia", ""}) {
    SCOPED_TRACE(category);
    classify();
    ui(f()).Edit_categoria->setText(QString::fromUtf8(category));
    f().Button2Click();
    EXPECT_EQ(shown(), lines_of(cli_run({"classify-highest", "--docs", c("noticias.ldc"), "--category", category}).out));
    EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(ui(f()).ListBox1->count()));
  }
  ui(f()).Edit_categoria->setText("economia");
  classify();
  f().Button2Click();
  const auto economia = shown();
  ASSERT_FALSE(economia.empty());
  platform.answer(q(proj / "economia.csv"));
  for (QAction* a : f().findChildren<QAction*>())
    if (a->text() == "Exportar...") a->trigger();
  cli_run({"classify-highest", "--docs", c("noticias.ldc"), "--category", "economia", "--export", c("economia.csv")});
  EXPECT_EQ(read_file(proj / "economia.csv"), read_file(cli / "economia.csv"));

  // Saved as a document list (names back to ".txt", weight 0) and as text,
  // and the text opened again.
  platform.answer(q(proj / "economia"));
  f().Gravalistadedocumentos1Click();
  const auto saved = lines_of(cli_run({"dump", (proj / "economia.ldc").string()}).out);
  ASSERT_EQ(saved.size(), economia.size());
  EXPECT_EQ(saved[0], economia[0].substr(0, economia[0].find(".mtz")) + ".txt\t0");
  platform.answer(q(proj / "economia"));
  f().Gravacomotexto1Click();
  classify();
  platform.answer(q(proj / "economia.txt"));
  f().Abreresultado1Click();
  EXPECT_EQ(shown(), economia);
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(economia.size()));
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Tabela exportada para \"economia.csv\".")});
}

TEST_F(Highest, AMissingMatrixStopsAfterTheLinesBeforeIt) {
  fs::remove(proj / "noticia10.mtz");
  classify();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Fazer classificação antes !")});
  const auto kept = shown();
  const auto all = lines_of(cli_run({"classify-highest", "--docs", c("noticias.ldc")}).out);
  ASSERT_FALSE(kept.empty());
  EXPECT_LT(kept.size(), all.size());
  EXPECT_EQ(kept, std::vector<std::string>(all.begin(), all.begin() + static_cast<long>(kept.size())));
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(kept.size()));
  // A cancelled dialog leaves an empty list.
  platform.cancel_next();
  f().Button1Click();
  EXPECT_EQ(ui(f()).ListBox1->count(), 0);
}

}  // namespace
}  // namespace lumeral::gui::testing
