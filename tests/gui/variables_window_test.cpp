// The variables window and the spreadsheet import dialog against
// lumeral-cli: the table shown and exported is what `variables --docs`
// prints and `--export` writes; an edit saved reads back; a failed write
// keeps the old file; the import makes the folder `import-table` makes,
// from the tools window and from the wizard's project step.
#include <QPushButton>
#include <QStatusBar>

#include "core/base/message.h"
#include "gui/preparation/importa_planilha.h"
#include "gui/preparation/variaveis.h"
#include "gui/shell/mdi_form2.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::folder_snapshot;

// A table of texts with an id column that repeats and an empty text.
const char* const kRespostas =
    "código;título;texto;turma\r\n"
    "a1;Sobre;Gosto da escola.;A\r\n"
    "a1;Outra;\"Prefiro; a praça.\";B\r\n"
    "b/2;Nada;;A\r\n";

class VariablesWindow : public RoadTest {
 protected:
  Tform_variaveis& f() { return *windows->create_form_variaveis(); }
  Tform_importa_planilha& d() { return *windows->form_importa_planilha; }
  void open_list(const fs::path& list) {
    platform.answer(q(list));
    f().bt_abreClick();
    ASSERT_TRUE(f().last_command_ok()) << messages().join("|").toStdString();
  }
  // The lines the window shows as `variables --docs` prints them: its
  // header, then each listed document with its values as they would be
  // written, "(sem valor)" for an empty one.
  std::vector<std::string> shown() {
    QTableWidget* g = ui(f()).Grid_variaveis;
    std::vector<std::string> out{"documento"};
    for (int c = 0; c < g->columnCount(); ++c) out[0] += "\t" + g->horizontalHeaderItem(c)->text().toStdString();
    for (int r = 0; r < g->rowCount(); ++r) {
      if (g->verticalHeaderItem(r)->font().italic()) continue;  // a row naming no listed document
      std::string line = g->verticalHeaderItem(r)->text().toStdString();
      for (int c = 0; c < g->columnCount(); ++c) {
        const std::string v = to_utf8(variables::stored_value(g->item(r, c)->text().toStdString()));
        line += "\t" + (v.empty() ? std::string(variables::kNoValue) : v);
      }
      out.push_back(line);
    }
    return out;
  }
  // The import dialog's fields: the table, the text columns checked, the id
  // row (0: row numbers) and the folder to make; then "Importar".
  void import(const fs::path& table, std::initializer_list<int> texts, int id, const fs::path& folder) {
    platform.answer(q(table));
    d().bt_arquivoClick();
    for (int t : texts) ui(d()).ListBox_texto->item(t)->setCheckState(Qt::Checked);
    ui(d()).ComboBox_id->setCurrentIndex(id);
    ui(d()).Edit_pasta->setText(q(folder));
    d().bt_importaClick();
    ASSERT_TRUE(d().last_command_ok()) << messages().join("|").toStdString();
  }
};

TEST_F(VariablesWindow, ShowsAndExportsWhatTheCommandLineDoes) {
  // The sample's file, then one with a missing row, an empty value, a row
  // naming no listed document and a name in other letter case.
  const char* const files[] = {nullptr,
                               "documento;fonte;mês\r\nNOTICIA01.TXT;Jornal;\r\nnoticia03.txt;;2024-01\r\n"
                               "fora.txt;Outro;2020-01\r\n"};
  for (const char* file : files) {
    SCOPED_TRACE(file ? "lacunas" : "amostra");
    if (file)
      for (const fs::path& folder : {proj, cli}) write_file(folder / "noticias.var", file);
    open_list(proj / "noticias.ldc");
    auto run = cli_run({"variables", "--docs", c("noticias.ldc"), "--export", c("v.csv")});
    EXPECT_EQ(shown(), lines_of(run.out));
    EXPECT_EQ(ui(f()).Label_avisos->text().toStdString() + (run.err.empty() ? "" : "\n"), run.err);
    auto buttons = f().findChildren<QPushButton*>();
    auto exporta =
        std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->text() == "Exportar..."; });
    ASSERT_NE(exporta, buttons.end());
    platform.answer(q(proj / "v.csv"));
    (*exporta)->click();
    EXPECT_EQ(read_file(proj / "v.csv"), read_file(cli / "v.csv"));
  }
}

TEST_F(VariablesWindow, AnEditSavedReadsBackAndUnsavedEditsAreConfirmed) {
  windows->create_Form3()->show();
  ui(*windows->Form3).bt_variaveis->click();
  open_list(proj / "noticias.ldc");
  QTableWidget* g = ui(f()).Grid_variaveis;
  g->item(0, 0)->setText(" Rádio Central ");
  ui(f()).Edit_variavel->setText("turma");
  f().bt_incluiClick();
  g->item(1, 2)->setText("7B");
  g->setCurrentCell(0, 1);
  f().bt_excluiClick();  // "mês"
  const std::vector<std::string> edited = shown();

  // Closing with edits asks; "no" keeps the window and its edits.
  platform.answer_confirm(false);
  EXPECT_FALSE(f().close());
  EXPECT_EQ(shown(), edited);
  f().bt_gravaClick();
  EXPECT_EQ(lines_of(run_cli({"variables", "--docs", (proj / "noticias.ldc").string()}).out), edited);
  open_list(proj / "noticias.ldc");
  EXPECT_EQ(shown(), edited);

  // A failed write (a file-size limit under the file's size) leaves the
  // old file whole and nothing beside it; the message names the file.
  g->item(2, 0)->setText("outro valor");
  const auto before = folder_snapshot(proj);
  lumeral::testing::Confinement small;
  small.file_size_limit = 100;
  const std::string stop = lumeral::testing::stop_text_confined(
      [&] {
        f().bt_gravaClick();
        if (!f().last_command_ok()) throw Stop(messages().back().toStdString());
      },
      small);
  EXPECT_NE(stop.find("noticias.var"), std::string::npos) << stop;
  EXPECT_EQ(folder_snapshot(proj), before);
  // "yes" drops the edits: reopened, the window shows the file.
  platform.answer_confirm(true);
  EXPECT_TRUE(f().close());
  windows->open_form_variaveis();
  EXPECT_EQ(shown(), edited);
  EXPECT_EQ(platform.confirmations.size(), 2);
}

TEST_F(VariablesWindow, TheImportMakesTheFolderTheCommandLineMakes) {
  write_file(tmp / "respostas.csv", kRespostas);
  struct Case {
    const char* name;
    std::initializer_list<int> texts;  // rows of the text list checked
    int id;                            // row of the id box (0: row numbers)
    std::vector<std::string> args;     // the same for import-table
  } cases[] = {
      {"por-codigo", {2}, 1, {"--text", "texto", "--id", "código"}},
      {"por-linha", {1, 2}, 0, {"--text", "título", "--text", "texto"}},
  };
  windows->create_Form3()->show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui(*windows->Form3).bt_importa_planilha->click();
    import(tmp / "respostas.csv", c.texts, c.id, tmp / "gui" / c.name);
    std::vector<std::string> args{"import-table", (tmp / "respostas.csv").string(), "--out",
                                  (tmp / "cli" / c.name).string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto run = cli_run(args);
    EXPECT_EQ(folder_snapshot(tmp / "gui" / c.name), folder_snapshot(tmp / "cli" / c.name));
    for (const auto& note : lines_of(run.err))  // a note naming the folder names the window's
      EXPECT_TRUE(ui(d()).Memo_resultado->toPlainText().contains(QString::fromStdString(note).replace(
          q(tmp / "cli" / c.name), q(tmp / "gui" / c.name))))
          << note;
  }
  // A folder that is not empty is refused, as the command line refuses it.
  ui(d()).Edit_pasta->setText(q(tmp / "gui" / "por-linha"));
  d().bt_importaClick();
  EXPECT_FALSE(d().last_command_ok());
}

// Each wizard takes the imported folder as its texts and prepares it: the
// mining wizard from the project step's button, the comparison wizard from
// the preparation step's.
TEST_F(VariablesWindow, TheWizardsTakeTheImportedFolderAsTheirTexts) {
  write_file(tmp / "respostas.csv", kRespostas);
  const struct Case {
    const char* folder;
    bool comparison;  // else the mining wizard
  } cases[] = {{"turmas", false}, {"grupos", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    WizardFrame* wizard = &w();
    if (c.comparison) {
      w().show();
      ui(w()).RadioGroup1->set_item_index(1);
      w().bt_ok_entradaClick();
      ASSERT_TRUE(windows->Mdi_Frm2);
      wizard = windows->Mdi_Frm2;
      ui<WizardFrameUi>(*wizard).RadioGroup2->set_item_index(0);
      wizard->bt_ok_bemvindoClick();
      ui<WizardProjectPanel>(*wizard).Edit_titulo->setText(QString::fromUtf8(c.folder));
      write_file(tmp / "antes" / "a.txt", "um texto");  // the step is reached from a folder of texts
      wizard->set_pasta(tmp / "antes");
      wizard->bit_avancarClick();
      ASSERT_EQ(wizard->passo_corrente(), 2) << messages().join("|").toStdString();
      ui<WizardProjectPanel>(*wizard).bt_importa_planilha_textos->click();
    } else {
      start_new_project();
      ui<WizardProjectPanel>(*wizard).bt_importa_planilha->click();
    }
    import(tmp / "respostas.csv", {2}, 1, tmp / c.folder);
    EXPECT_EQ(wizard->pasta_projeto(), q(tmp / c.folder));
    EXPECT_EQ(wizard->titulo(), c.folder);  // typed, or taken from the folder's name
    d().close();
    while (wizard->passo_corrente() < 3 && messages().isEmpty()) wizard->bit_avancarClick();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    auto run = run_cli({"variables", "--docs", (tmp / c.folder / (std::string(c.folder) + ".ldc")).string()});
    EXPECT_EQ(lines_of(run.out), (std::vector<std::string>{"documento\ttítulo\tturma", "a1 (2).txt\tOutra\tB",
                                                            "a1.txt\tSobre\tA", "b_2.txt\tNada\tA"}));
    if (!c.comparison) wizard->bit_inicioClick();
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
