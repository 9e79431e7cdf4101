// The comparison wizard on a copy of the sample collection: the whole road
// from the entry menu to the result sets, compared with what lumeral-cli
// compare writes and prints; the restore of its project file at every
// level in a fresh program; its messages in their situations; and the
// summaries of its project ("Ver resumos") against lumeral-cli summarize.
#include <QCoreApplication>


#include "core/base/encoding.h"
#include "core/records/records.h"
#include "gui/shell/mdi_form2.h"
#include "gui/preparation/stop_words.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/summaries/resumo.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using lumeral::testing::lines_of;
using lumeral::testing::run_cli;

class CompareTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
    if (!fs::is_directory(sample)) GTEST_SKIP() << "no sample collection at " << sample;
    proj = tmp / "noticias";
    fs::create_directories(proj);
    for (const auto& e : fs::directory_iterator(sample))
      if (e.path().extension() == ".txt") fs::copy(e.path(), proj / e.path().filename());
    cli = tmp / "noticias-cli";
    fs::copy(proj, cli);
  }

  TMdi_Frm2& c() { return *windows->Mdi_Frm2; }
  const ComparisonWizardState& state() { return c().estado(); }

  void open_wizard() {
    ui(w()).RadioGroup1->set_item_index(1);
    w().bt_ok_entradaClick();
    ASSERT_TRUE(windows->Mdi_Frm2);
  }
  void new_project(const QString& title, const fs::path& folder) {
    open_wizard();
    ui<WizardFrameUi>(c()).RadioGroup2->set_item_index(0);
    c().bt_ok_bemvindoClick();
    ui<WizardProjectPanel>(c()).Edit_titulo->setText(title);
    ui<WizardProjectPanel>(c()).Edit_cliente->setText(QStringLiteral("Cliente X"));
    ui<WizardProjectPanel>(c()).Edit_resp->setText(QStringLiteral("Conceição"));
    platform.answer(q(folder));
    c().bt_alterarClick();
  }
  void advance(int times) {
    for (int i = 0; i < times; ++i) c().bit_avancarClick();
  }
  void continue_project(const fs::path& ini) {
    open_wizard();
    ui<WizardFrameUi>(c()).RadioGroup2->set_item_index(1);
    platform.answer(q(ini));
    c().bt_ok_bemvindoClick();
  }
  std::vector<std::string> shown_rows() {
    std::vector<std::string> rows;
    for (const auto& r : c().linhas()) rows.push_back(to_utf8(r.word) + " " + to_utf8(r.weight));
    return rows;
  }

  fs::path proj;
  fs::path cli;
};

TEST_F(CompareTest, WholeRoadMatchesTheCommandLine) {
  new_project("noticias", proj);
  EXPECT_EQ(windows->comparison_project()->folder, proj);
  c().bit_avancarClick();
  ASSERT_EQ(state().step, 2);
  c().bit_avancarClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(state().step, 3);
  EXPECT_EQ(state().level.number, 4);
  EXPECT_TRUE(state().processed);
  EXPECT_FALSE(state().selected);

  // lumeral-cli on its own copy prepares and compares the same collection.
  write_project(cli / "noticias.ini", [](shell::ProjectSettings& s) { s.reading = Reading::Complete; });
  auto run = run_cli({"--locale", "pt_BR", "compare", "noticias.ini"}, cli);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(files_with(proj, {".ldc", ".lpl", ".dif"}), files_with(cli, {".ldc", ".lpl", ".dif"}));
  EXPECT_TRUE(fs::exists(proj / "centroide-2_noticias.lpl"));

  // The printed sets, heading by heading.
  std::vector<std::pair<std::string, std::vector<std::string>>> sets;
  for (const std::string& line : lines_of(run.out)) {
    if (line.empty()) continue;
    if (line.front() == '[') sets.push_back({line.substr(1, line.size() - 2), {}});
    else sets.back().second.push_back(line);
  }
  ASSERT_EQ(ui(c()).ComboBox1->count(), static_cast<int>(sets.size()));
  ASSERT_GT(sets.size(), 2u);
  const Regional& regional = windows->regional();
  // Nothing to save or export before a set is chosen.
  QPushButton* exporta = nullptr;
  for (auto* b : c().findChildren<QPushButton*>())
    if (b->text() == QStringLiteral("Exportar...")) exporta = b;
  ASSERT_NE(exporta, nullptr);
  EXPECT_FALSE(ui(c()).bt_grava->isEnabled() || exporta->isEnabled());
  for (int i = 0; i < ui(c()).ComboBox1->count(); ++i) {
    SCOPED_TRACE(sets[i].first);
    EXPECT_EQ(ui(c()).ComboBox1->itemText(i).toStdString(), sets[i].first);
    ui(c()).ComboBox1->setCurrentIndex(i);
    c().ComboBox1Change();
    EXPECT_TRUE(state().selected);
    EXPECT_TRUE(exporta->isEnabled());
    EXPECT_EQ(shown_rows(), sets[i].second);
    EXPECT_EQ(ui(c()).Edit_total->text().toStdString(), std::to_string(sets[i].second.size()));

    // Saved as text in file order: the lines lumeral-cli printed.
    const fs::path saved = tmp / ("conjunto" + std::to_string(i) + ".txt");
    platform.answer(q(saved));
    c().bt_gravaClick();
    EXPECT_EQ(messages().back(), QStringLiteral("Arquivo salvo com Sucesso!!!"));
    std::string expected;
    for (const auto& l : sets[i].second) expected += cp1252(l) + "\r\n";
    EXPECT_EQ(read_file(saved), expected);
  }
  // A click on the weight column sorts the rows (the orders are the core's
  // tests) and the list shows them in that order.
  c().ListView1ColumnClick(1);
  const auto& by_weight = c().linhas();
  for (std::size_t k = 1; k < by_weight.size(); ++k)
    EXPECT_GE(regional.parse(by_weight[k - 1].weight), regional.parse(by_weight[k].weight)) << k;
  EXPECT_EQ(ui(c()).ListView1->topLevelItem(0)->text(0), qs(by_weight.front().word));

  // Back to the preparation and forward again: the results are not
  // computed again, the list starts empty with the sets still offered.
  fs::remove(proj / "centroide-2_noticias.lpl");
  c().bit_voltarClick();
  EXPECT_EQ(state().step, 2);
  c().bit_avancarClick();
  EXPECT_EQ(state().step, 3);
  EXPECT_FALSE(fs::exists(proj / "centroide-2_noticias.lpl"));
  EXPECT_EQ(ui(c()).ComboBox1->count(), static_cast<int>(sets.size()));
  EXPECT_EQ(ui(c()).Edit_total->text(), "0");
  EXPECT_FALSE(state().selected);

  // "Sair, salvando status do projeto": the project file, the temp folder
  // removed, the wizard released and the program ended.
  fs::create_directories(proj / "temp" / "sub");
  c().bit_sair_salvarClick();
  EXPECT_EQ(messages().back(), QStringLiteral("Arquivo salvo com Sucesso!!!"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(windows->Mdi_Frm2);
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(fs::exists(proj / "temp"));
  EXPECT_EQ(read_file(proj / "noticias.ini"),
            cp1252("[NOME]\r\nnome=noticias\r\n[CLIENTE]\r\ncliente=Cliente X\r\n[RESPONSAVEL]\r\nresp=Conceição\r\n"
                   "[DIR_PROJETO]\r\ndir_proj=" + proj.string() +
                   "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[SEPARADOR]\r\nseparador=\r\n"
                   "[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[N]\r\nn=4\r\n[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n"
                   "[LEITURA]\r\nleitura=completa\r\n"));
  EXPECT_FALSE(fs::exists(proj / "resultados_n4.wiz"));
  EXPECT_TRUE(platform.setting("dir_ini").isEmpty());
}

TEST_F(CompareTest, AFreshProgramRestoresTheProjectAtEachLevel) {
  new_project("noticias", proj);
  c().bit_avancarClick();
  c().bit_avancarClick();
  ASSERT_EQ(state().level.number, 4);
  const std::string centroid = read_file(proj / "centroide-2_noticias.lpl");
  const int sets = ui(c()).ComboBox1->count();
  c().bit_sair_cancelarClick();
  const fs::path ini = proj / "noticias.ini";
  const std::string saved = read_file(ini);

  struct Case {
    std::string level;
    int step;
    int level_after;
  } cases[] = {{"1", 1, 1}, {"2", 2, 2}, {"3", 3, 4}, {"4", 3, 4}};
  for (const Case& k : cases) {
    SCOPED_TRACE("n=" + k.level);
    std::string text = saved;
    text.replace(text.find("n=4"), 3, "n=" + k.level);
    // A single file's separator is kept whatever the level.
    text.replace(text.find("lugar_textos=1"), 14, "lugar_textos=0");
    text.replace(text.find("separador="), 10, "separador=#####");
    write_file(ini, text);
    fs::remove(proj / "centroide-2_noticias.lpl");
    restart();
    platform.messages.clear();
    continue_project(ini);
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    EXPECT_EQ(state().step, k.step);
    EXPECT_EQ(state().level.number, k.level_after);
    EXPECT_EQ(state().project.title, Ansi("noticias"));
    EXPECT_EQ(ui<WizardProjectPanel>(c()).Edit_resp->text(), QStringLiteral("Conceição"));
    EXPECT_EQ(state().project.folder, proj);
    EXPECT_EQ(ui<WizardProjectPanel>(c()).Edit_separador->text(), "#####");
    if (k.step == 3) {
      // The analysis is computed again.
      EXPECT_EQ(read_file(proj / "centroide-2_noticias.lpl"), centroid);
      EXPECT_EQ(ui(c()).ComboBox1->count(), sets);
    }
    if (k.level != "1") {
      // Saved again after the replay, separator included.
      EXPECT_NE(read_file(ini).find("n=" + std::to_string(k.level_after) + "\r\n"), std::string::npos);
      EXPECT_NE(read_file(ini).find("separador=#####\r\n"), std::string::npos);
    }
  }
}

TEST_F(CompareTest, MessagesInTheirSituations) {
  fs::create_directories(tmp / "vazia");
  write_file(tmp / "iguais" / "a.txt", "sol e mar");
  write_file(tmp / "iguais" / "b.txt", "mar e sol");
  write_project(tmp / "sem-lista.ini", [&](shell::ProjectSettings& s) {
    s.title = Ansi("noticias");
    s.project_folder = from_bytes(proj.string());
    s.level = Ansi("4");
  });
  struct Case {
    const char* name;
    std::function<void()> act;
    QString message;
    MessageKind kind;
    int step;
    int level;
  } cases[] = {
      {"missing folder", [&] { new_project("p", tmp / "nao-existe"); advance(1); },
       "Diretório Inexistente!", MessageKind::Error, 1, 1},
      {"empty title", [&] { new_project("", proj); advance(1); },
       "O Campo Título está em branco e é um campo Obrigatório!", MessageKind::Error, 1, 1},
      {"folder without texts", [&] { new_project("p", tmp / "vazia"); advance(1); },
       "Diretório Escolhido, sem arquivos textos ou html para serem processados", MessageKind::Information, 1, 1},
      {"missing stopword list",
       [&] {
         qputenv("LUMERAL_DATA_DIR", QByteArray::fromStdString((tmp / "vazia").string()));
         new_project("p", proj); advance(1);
         qunsetenv("LUMERAL_DATA_DIR");
       },
       "Não existe ainda uma lista de stop-words !!", MessageKind::Error, 2, 2},
      {"no language", [&] { new_project("p", proj); advance(1); ui<WizardProjectPanel>(c()).ListBox_idioma->setCurrentRow(-1); advance(1); },
       "Você deve escolher antes uma lista de stopwords! ", MessageKind::Error, 3, 2},
      {"document list gone", [&] { continue_project(tmp / "sem-lista.ini"); },
       "Faça novamente o processamento de textos - passo 2", MessageKind::Error, 3, 2},
      {"nothing exclusive", [&] { new_project("iguais", tmp / "iguais"); advance(2); },
       "Não existe resultados para serem mostrados", MessageKind::Information, 3, 4},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    restart();
    platform.messages.clear();
    k.act();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.front().text, k.message);
    EXPECT_EQ(platform.messages.front().kind, k.kind);
    EXPECT_EQ(platform.messages.size(), 1u) << messages().join("|").toStdString();
    ASSERT_TRUE(windows->Mdi_Frm2);
    EXPECT_TRUE(c().isVisible());
    EXPECT_EQ(state().step, k.step);
    EXPECT_EQ(state().level.number, k.level);
  }
}

TEST_F(CompareTest, ACaptionJumpsBackAndVoltarAoInicioOpensANewWizard) {
  new_project("noticias", proj);
  c().bit_avancarClick();
  ASSERT_EQ(state().step, 2);
  // The caption of the first step jumps back, keeping the fields.
  ui(c()).lb_passo1->clicked();
  EXPECT_EQ(state().step, 1);
  EXPECT_EQ(ui<WizardProjectPanel>(c()).Edit_titulo->text(), "noticias");
  EXPECT_FALSE(ui(c()).lb_passo2->clickable());

  c().bit_inicioClick();
  EXPECT_TRUE(w().isVisible());
  EXPECT_FALSE(windows->comparison_project());
  // The entry menu opens a new wizard on its welcome group.
  open_wizard();
  EXPECT_EQ(windows->comparison_state()->step, 0);
  EXPECT_EQ(windows->comparison_state()->level.number, 0);
  c().bit_sair_cancelarClick();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(windows->Mdi_Frm2);
  EXPECT_FALSE(windows->comparison_state());
  EXPECT_EQ(quits, 1);
}

// "Ver resumos": form_resumo2 on the project's list without a dialog, the
// condition locked on "Contendo palavras", its lines those of lumeral-cli
// summarize; the tool form_resumo keeps its own list and conditions.
TEST_F(CompareTest, VerResumosSummarizesTheProjectAsTheCommandLine) {
  new_project("noticias", proj);
  c().bit_avancarClick();
  c().bit_avancarClick();
  ASSERT_EQ(state().step, 3) << messages().join("|").toStdString();

  Tform_resumo& r = *windows->form_resumo2;
  // Whatever was chosen there before, the wizard locks "Contendo palavras".
  ui(r).RadioGroup_condicoes->set_item_index(0);
  const std::size_t dialogs = platform.dialogs.size();
  c().bt_resumosClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(platform.dialogs.size(), dialogs);
  EXPECT_FALSE(windows->form_resumo->isVisible());
  std::vector<Ansi> names;
  for (auto& d : records::read_all<records::DocRecord>(proj / "noticias.ldc")) names.push_back(d.name);
  EXPECT_EQ(ui(r).ListBox_docs->lines(), names);
  EXPECT_EQ(ui(r).RadioGroup_condicoes->item_index(), 1);
  for (int i = 0; i < ui(r).RadioGroup_condicoes->count(); ++i)
    EXPECT_FALSE(ui(r).RadioGroup_condicoes->button(i)->isEnabled()) << i;

  // The search fields reach the run as in the tool (its table of searches).
  ui(r).Memo_palavras->setPlainText(QStringLiteral("futebol\nsaúde"));
  ui(r).RadioGroup_boolean->set_item_index(1);
  ui(r).SpinEdit_frases->setValue(2);
  r.Extrairresumos1Click();
  auto run = run_cli({"summarize", "--docs", (proj / "noticias.ldc").string(), "--or", "--around", "2", "futebol",
                      "saúde"},
                     proj);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const auto expected = lines_of(run.out);
  ASSERT_FALSE(expected.empty());
  std::vector<std::string> shown;
  for (const QString& l : ui(r).Memo_resumos->toPlainText().split('\n')) shown.push_back(l.toStdString());
  EXPECT_EQ(shown, expected);
  // Saved as text: the same lines, byte for byte in the stored code page.
  platform.answer(q(tmp / "resumo.txt"));
  r.Salvarresumoscomotexto1Click();
  std::string bytes;
  for (const auto& l : expected) bytes += cp1252(l) + "\r\n";
  EXPECT_EQ(read_file(tmp / "resumo.txt"), bytes);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // A double click shows no document here.
  ui(r).ListBox_docs->setCurrentRow(0);
  r.ListBox_docsDblClick();
  EXPECT_FALSE(windows->result_recsim->isVisible());

  // The tool is untouched: its own list, its conditions free, and while the
  // comparison wizard is shown it still asks which list to open.
  Tform_resumo& tool = *windows->form_resumo;
  EXPECT_EQ(ui(tool).ListBox_docs->count(), 0);
  EXPECT_TRUE(ui(tool).RadioGroup_condicoes->button(0)->isEnabled());
  platform.answer(q(proj / "noticias.ldc"));
  tool.Abrelistadedocs1Click();
  EXPECT_EQ(platform.dialogs.size(), dialogs + 2);

  // With the comparison wizard hidden, form_resumo2 asks for its list too.
  c().bit_inicioClick();
  ui(r).ListBox_docs->clear();
  platform.cancel_next();
  r.Abrelistadedocs1Click();
  EXPECT_EQ(ui(r).ListBox_docs->count(), 0);
  EXPECT_EQ(platform.dialogs.size(), dialogs + 3);
}

}  // namespace
}  // namespace lumeral::gui::testing
