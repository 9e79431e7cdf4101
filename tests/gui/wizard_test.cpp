// The mining wizard's road through its first three steps, with scripted
// dialogs: the project step, the preparation step, the processing of a
// collection against the command line, the project file, the restore, the
// exits.
#include <map>

#include "core/base/encoding.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/preparation/unit_textos.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using lumeral::testing::run_cli;

// Every regular file of a folder with its bytes.
std::map<std::string, std::string> files_of(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.is_regular_file()) files[e.path().filename().string()] = read_file(e.path());
  return files;
}

// A small collection: two texts and an HTML page.
void write_collection(const fs::path& folder) {
  write_file(folder / "noticia1.txt", cp1252("A economia cresceu 3,5% em 2004.\r\nO mercado reagiu bem à notícia.\r\n"));
  write_file(folder / "noticia2.txt", cp1252("O time venceu o jogo de futebol.\r\nA torcida comemorou a vitória.\r\n"));
  write_file(folder / "pagina.htm", cp1252("<html><body><p>Eleições &amp; política</p>\r\n<p>O governo anunciou.</p></body></html>\r\n"));
}

class WizardTest : public GuiTest {
 protected:
  const MiningWizardState& state() { return w().estado(); }
  // A project file holding `keys` after the title and the folder.
  fs::path project_file(const fs::path& folder, const std::string& title, const std::string& keys) {
    const fs::path ini = folder / (title + ".ini");
    write_file(ini, cp1252("[NOME]\r\nnome=" + title + "\r\n[DIR_PROJETO]\r\ndir_proj=" + folder.string() + "\r\n" + keys));
    return ini;
  }
};

TEST_F(WizardTest, StartsAtTheDefaultFolderAndANewProjectStartsEmpty) {
  EXPECT_EQ(state().level.number, 0);
  EXPECT_EQ(state().step, 0);
  EXPECT_EQ(state().start_folder, tmp / "start");
  EXPECT_EQ(state().project.folder, tmp / "home" / "lmr" / "projetos");
  // A new project starts empty; only the steps reached can be clicked.
  w().bt_ok_entradaClick();
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("left over");
  w().bt_ok_bemvindoClick();
  EXPECT_EQ(state().step, 1);
  EXPECT_EQ(state().level.number, 1);
  EXPECT_TRUE(ui<WizardProjectPanel>(w()).Edit_titulo->text().isEmpty());
  EXPECT_TRUE(state().project.title.empty());
  EXPECT_FALSE(ui(w()).lb_passo2->clickable());
  EXPECT_FALSE(ui(w()).botao_3_off->clickable());
  // The default folder does not exist yet: "Alterar" opens the picker at
  // the nearest folder that does.
  ASSERT_FALSE(fs::exists(tmp / "home" / "lmr"));
  platform.cancel_next();
  w().bt_alterarClick();
  EXPECT_EQ(platform.dialogs.back().start, q(tmp / "home"));
}

TEST_F(WizardTest, AdvancingToPreparationLoadsTheStopwordsAndWritesTheProjectFile) {
  const fs::path folder = tmp / "projeto";
  write_collection(folder);
  start_new_project();
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("Vendas 2005");
  ui<WizardProjectPanel>(w()).Edit_cliente->setText("Cliente X");
  ui<WizardProjectPanel>(w()).Edit_resp->setText(QStringLiteral("Conceição"));
  platform.answer(q(folder));
  w().bt_alterarClick();
  EXPECT_EQ(state().project.folder, folder);
  EXPECT_EQ(fs::current_path(), folder);

  w().bit_avancarClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(state().step, 2);
  EXPECT_EQ(state().level.number, 2);
  EXPECT_TRUE(ui(windows->form_stop).Edit_nome->text().endsWith("stw-portugues.stw"));
  // The text-listing window only listed the folder: nothing was written.
  EXPECT_EQ(ui(windows->Form_textos).FileListBox1->count(), 2);
  EXPECT_EQ(ui(windows->Form_textos).FileListBox2->count(), 1);
  EXPECT_FALSE(fs::exists(folder / "Vendas 2005.ldc"));

  const std::string expected = cp1252(
      "[NOME]\r\nnome=Vendas 2005\r\n[CLIENTE]\r\ncliente=Cliente X\r\n[RESPONSAVEL]\r\nresp=Conceição\r\n"
      "[DIR_PROJETO]\r\ndir_proj=" + folder.string() + "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n"
      "[SEPARADOR]\r\nseparador=\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[ONTOLOGIA]\r\nontologia=\r\n"
      "[LCT]\r\nlct=\r\n[N]\r\nn=2\r\n"
      // A new project converts DOCX, ODT and PDF documents too, and reads
      // its texts the complete way.
      "[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n[LEITURA]\r\nleitura=completa\r\n");
  EXPECT_EQ(read_file(folder / "Vendas 2005.ini"), expected);
  EXPECT_EQ(read_file(folder / "resultados_n4.wiz"), "\r\n");
  EXPECT_EQ(platform.setting("dir_ini"), q(folder));

  // Choosing another language loads its standard list.
  ui<WizardProjectPanel>(w()).ListBox_idioma->setCurrentRow(1);
  w().ListBox_idiomaClick();
  EXPECT_TRUE(ui(windows->form_stop).Edit_nome->text().endsWith("stw-ingles.stw"));

  // Back to the project step: the fields stay.
  w().bit_voltarClick();
  EXPECT_EQ(state().step, 1);
  EXPECT_EQ(ui<WizardProjectPanel>(w()).Edit_resp->text(), QStringLiteral("Conceição"));
  EXPECT_EQ(state().project.folder, folder);
  // Back to the welcome group: a new project from there starts empty again.
  w().bit_voltarClick();
  EXPECT_EQ(state().step, 0);
  w().bt_ok_bemvindoClick();
  EXPECT_TRUE(ui<WizardProjectPanel>(w()).Edit_titulo->text().isEmpty());
}

// Each collection prepared by the wizard and by `lumeral-cli prepare`: the
// same files. The written collection has a page, whose document is named
// after it by the complete reading a new project uses.
TEST_F(WizardTest, PreparingACollectionWritesWhatTheCommandLineWrites) {
  struct Case {
    const char* folder;   // a sample collection, or "" for the written one
    const char* separator;  // nullptr: several files
  };
  const Case cases[] = {{"", nullptr}, {"noticias", nullptr}, {"arquivo-unico", "XXX"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::string name = *c.folder ? c.folder : "escrita";
    const fs::path folder = tmp / (name + "-gui");
    const fs::path by_cli = tmp / (name + "-cli");
    if (*c.folder) {
      const fs::path sample = lumeral::testing::source_dir() / "examples" / c.folder;
      if (!fs::is_directory(sample)) GTEST_SKIP() << "no sample collection at " << sample;
      fs::copy(sample, folder);
      fs::copy(sample, by_cli);
      for (const fs::path& f : {folder, by_cli})
        for (const auto& e : fs::directory_iterator(f))
          if (e.path().extension() == ".ini" || e.path().extension() == ".ldc" || e.path().extension() == ".lpl")
            fs::remove(e.path());
    } else {
      write_collection(folder);
      write_collection(by_cli);
    }
    w().bit_inicioClick();
    start_new_project();
    fill_project("Amostra", folder);
    w().bit_avancarClick();
    if (c.separator) {
      w().Edit_separadorClick();  // a click on the separator chooses the single file
      EXPECT_EQ(ui<WizardProjectPanel>(w()).RadioGroup_textos->item_index(), 0);
      ui<WizardProjectPanel>(w()).Edit_separador->setText(c.separator);
    }
    w().bit_avancarClick();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    EXPECT_EQ(state().step, 3);
    EXPECT_EQ(state().level.number, 3);
    EXPECT_TRUE(state().ontology_step_entered);
    EXPECT_EQ(state().split_done, c.separator != nullptr);
    // The word-list window was driven with the stopword list of the manager.
    EXPECT_EQ(ui(windows->Form1).Edit_stop->text(), ui(windows->form_stop).Edit_nome->text());
    // The pacing of the progress display stayed within its cap.
    if (!*c.folder) {
      EXPECT_LE(platform.paused_ms, 2000);
    }

    fs::create_directories(tmp / "cli-start");
    std::vector<std::string> args{"prepare", by_cli.string(), "--title", "Amostra", "--language", "pt"};
    if (c.separator) args.insert(args.end(), {"--separator", c.separator});
    auto run = run_cli(args, tmp / "cli-start");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    auto gui_files = files_of(folder);
    gui_files.erase("Amostra.ini");
    gui_files.erase("resultados_n4.wiz");
    EXPECT_EQ(gui_files, files_of(by_cli));
    if (!*c.folder) {
      EXPECT_TRUE(fs::exists(folder / "pagina.htm.txt"));
      // Back to the preparation and forward again: the level read there is
      // 2, so the collection is processed again.
      fs::remove(folder / "noticia1.lpl");
      w().bit_voltarClick();
      ASSERT_EQ(state().step, 2);
      w().bit_avancarClick();
      EXPECT_EQ(state().step, 3);
      EXPECT_TRUE(fs::exists(folder / "noticia1.lpl"));
    }
  }
}

TEST_F(WizardTest, AFolderWithNothingToPrepareGoesBack) {
  struct Case {
    const char* folder;
    bool single_file;
    QString message;
    int step;  // where the wizard is afterwards
  };
  const Case cases[] = {
      {"so-html", true, QStringLiteral("Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! "), 2},
      {"vazio", false, QStringLiteral("Diretório Escolhido, sem arquivos textos ou html para serem processados"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const fs::path folder = tmp / c.folder;
    fs::create_directories(folder);
    if (c.single_file) write_file(folder / "a.htm", "<p>um</p>");
    w().bit_inicioClick();
    platform.messages.clear();
    start_new_project();
    fill_project("Volta", folder);
    w().bit_avancarClick();
    if (c.single_file) {
      ui<WizardProjectPanel>(w()).RadioGroup_textos->set_item_index(0);
      w().bit_avancarClick();
    }
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_EQ(messages().front(), c.message);
    EXPECT_EQ(state().step, c.step);
    EXPECT_FALSE(state().ontology_step_entered);
    EXPECT_EQ(ui<WizardProjectPanel>(w()).Edit_titulo->text(), "Volta");
  }
}

TEST_F(WizardTest, HandEditedProjectFileRestoresTheSameSettings) {
  // Sections reordered, names in capitals (the reading itself is the
  // project file's test): the restore shows the settings and saves the
  // project again in its own form.
  const fs::path folder = tmp / "salvo";
  write_collection(folder);
  write_file(folder / "Salvo.ini",
             cp1252("[N]\r\nN=2\r\n[separador]\r\nSEPARADOR=###\r\n[Idioma_Textos]\r\nIDIOMA_TEXTOS=1\r\n"
                    "[LUGAR_TEXTOS]\r\nLUGAR_TEXTOS=0\r\n[nome]\r\nNOME=Salvo\r\n[RESPONSAVEL]\r\nRESP=João\r\n"
                    "[DIR_PROJETO]\r\nDIR_PROJ=" + folder.string() + "\r\n"));
  continue_project(folder / "Salvo.ini");
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(state().step, 2);
  EXPECT_EQ(ui<WizardProjectPanel>(w()).Edit_resp->text(), QStringLiteral("João"));
  EXPECT_TRUE(ui(windows->form_stop).Edit_nome->text().endsWith("stw-ingles.stw"));
  EXPECT_EQ(ui<WizardProjectPanel>(w()).Edit_separador->text(), "###");
  const std::string saved = read_file(folder / "Salvo.ini");
  EXPECT_EQ(saved.substr(0, 8), "[NOME]\r\n");
  EXPECT_NE(saved.find("lugar_textos=0\r\n[SEPARADOR]\r\nseparador=###\r\n"), std::string::npos);
}

// A number that is not stops the restore; a level that names no step
// replays nothing and is saved back as read.
TEST_F(WizardTest, RestoreStopsOnANumberThatIsNotAndKeepsALevelThatNamesNoStep) {
  continue_project(project_file(tmp / "ruim", "Ruim", "[IDIOMA_TEXTOS]\r\nidioma_textos=dois\r\n[N]\r\nn=2\r\n"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.contains("dois"));
  EXPECT_EQ(ui<WizardProjectPanel>(w()).Edit_titulo->text(), "Ruim");  // set before the number was read
  EXPECT_EQ(state().project.folder, tmp / "ruim");
  platform.messages.clear();
  for (const std::string level : {"", "n=\r\n", "n=x\r\n", "n=05\r\n"}) {
    SCOPED_TRACE(level);
    const fs::path folder = tmp / "nivel";
    const fs::path ini = project_file(folder, "Nivel", "[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n" +
                                                           (level.empty() ? "" : "[N]\r\n" + level));
    w().show();
    w().bit_inicioClick();
    continue_project(ini);
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    EXPECT_EQ(state().step, 1);
    EXPECT_EQ(state().level.number, 0);
    w().bit_sair_salvarClick();
    EXPECT_NE(read_file(ini).find("[N]\r\n" + (level.empty() ? "n=\r\n" : level)), std::string::npos);
    platform.messages.clear();
  }
}

TEST_F(WizardTest, RestoreAtTheOntologyStepDoesNotProcessAgain) {
  const fs::path folder = tmp / "nivel3";
  write_collection(folder);
  continue_project(project_file(folder, "Nivel", "[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[IDIOMA_TEXTOS]\r\n"
                                                 "idioma_textos=0\r\n[N]\r\nn=3\r\n"));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(state().step, 3);
  EXPECT_TRUE(state().ontology_step_entered);
  EXPECT_FALSE(fs::exists(folder / "Nivel.ldc"));
  EXPECT_NE(read_file(folder / "Nivel.ini").find("n=3\r\n"), std::string::npos);
}

TEST_F(WizardTest, ExitButtons) {
  const fs::path folder = tmp / "sair";
  write_collection(folder);

  // "Sair, cancelando este passo" writes nothing and ends the program.
  start_new_project();
  fill_project("Sair", folder);
  w().bit_sair_cancelarClick();
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(fs::exists(folder / "Sair.ini"));
  EXPECT_TRUE(platform.settings.empty());

  // "Sair, salvando status do projeto" without a title: a message, nothing else.
  w().show();
  ui<WizardProjectPanel>(w()).Edit_titulo->clear();
  w().bit_sair_salvarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não pode salvar sem ter um Título/Nome do projeto")});
  EXPECT_TRUE(w().isVisible());
  EXPECT_FALSE(state().saved);

  // With a title: saved, confirmed, closed.
  platform.messages.clear();
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("Sair");
  w().bit_sair_salvarClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo salvo com Sucesso!!!")});
  EXPECT_TRUE(fs::exists(folder / "Sair.ini"));
  EXPECT_TRUE(state().saved);
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(quits, 2);
}

TEST_F(WizardTest, VoltarAoInicioResetsTheWizardState) {
  const fs::path folder = tmp / "inicio";
  write_collection(folder);
  start_new_project();
  fill_project("Inicio", folder);
  w().bit_avancarClick();
  w().set_tipo(shell::OntologyKind::Deterministic);
  w().set_lista_contextos("x.lct");
  ui<WizardFrameUi>(w()).RadioGroup2->set_item_index(1);
  w().bit_inicioClick();
  EXPECT_EQ(state().step, 0);
  EXPECT_EQ(state().level.number, 0);
  EXPECT_FALSE(state().saved);
  EXPECT_EQ(state().ontology, shell::OntologyKind::None);
  EXPECT_FALSE(windows->wizard_open_project());
  EXPECT_TRUE(state().context_list.isEmpty());
  EXPECT_EQ(ui<WizardFrameUi>(w()).RadioGroup2->item_index(), 0);
}

}  // namespace
}  // namespace lumeral::gui::testing
