// The pictures of the main window, both wizards and the windows they open,
// in the order of the tutorial.
#include <QComboBox>
#include <chrono>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/guide_pictures/pictures.h"
#include "charts/network_view.h"
#include "gui/base/file_chooser.h"
#include "gui/charts/grafico_frequencias.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/mining/unit_print.h"
#include "gui/preparation/stop_words.h"
#include "gui/shell/inicio.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/mdi_form2.h"
#include "gui/shell/minera.h"
#include "gui/shell/sobre.h"
#include "gui/shell/unit_splashscreen.h"
#include "support/ui_access.h"

namespace lumeral::gui::pictures {
namespace {

using testing::ui;

QPixmap main_window(Session& s, Stage stage) {
  s.mining_wizard(stage);
  return s.shot(s.w().Mdi_Frm);
}

QPixmap entry_menu(Session& s) {
  s.restart();
  ui(*s.w().Mdi_Frm).RadioGroup1->set_item_index(0);
  return s.shot(s.w().Mdi_Frm);
}

// A picture taken while the preparation works: the wizard is taken
// through it again when the picture was not caught yet.
QPixmap during_preparation(Session& s, const std::string& name) {
  if (!s.caught(name)) {
    s.mining_wizard(Stage::None);
    s.mining_wizard(Stage::OntologyChoice);
  }
  auto picture = s.caught(name);
  require(picture.has_value(), "a janela não apareceu durante a preparação");
  return *picture;
}

TMinera& mined(Session& s) {
  s.mining_wizard(Stage::Mined);
  return *s.w().Mdi_Frm->minera;
}

// The concept network opened by the mining panel, fitted to the window.
Tform_rede_conceitos& network(Session& s) {
  TMinera& panel = mined(s);
  panel.bt_redeClick();
  Tform_rede_conceitos* rede = s.w().form_rede_conceitos;
  require(rede && rede->Cena_rede->edge_count() > 0, "a rede de associações ficou vazia");
  rede->bt_ajustarClick();
  return *rede;
}

QPixmap whole_network(Session& s) {
  Tform_rede_conceitos& rede = network(s);
  QPixmap picture = s.shot(&rede);
  rede.hide();
  return picture;
}

// The same, `name` clicked: its documents listed.
QPixmap concept_network(Session& s, const char* name) {
  Tform_rede_conceitos* rede = &network(s);
  const std::size_t node = rede->Cena_rede->network().find(Ansi(name));
  require(node < rede->Cena_rede->node_count(), std::string("a rede não tem o conceito ") + name);
  rede->Cena_rede->click_node(node);
  require(ui(rede).ListBox_docs->count() > 0, "o conceito clicado não listou documentos");
  QPixmap picture = s.shot(rede);
  rede->hide();
  return picture;
}

// The comparison wizard's analysis step with the set named `set` chosen.
QPixmap comparison_set(Session& s, const QString& set) {
  s.comparison_wizard();
  TMdi_Frm2& c = *s.w().Mdi_Frm2;
  QComboBox* sets = ui(c).ComboBox1;
  const int at = sets->findText(set);
  require(at >= 0, "o assistente de comparação não tem o conjunto " + set.toStdString());
  sets->setCurrentIndex(at);
  c.ComboBox1Change();
  require(c.estado().selected, "o conjunto não foi escolhido");
  return s.shot(&c);
}

QPixmap threshold(Session& s) {
  TMinera& panel = mined(s);
  panel.bt_ordena_confiancaClick();
  panel.bt_filtro_confiancaClick();
  ui(panel).Edit_limiar->setText(QStringLiteral("30"));
  QPixmap picture = s.shot(s.w().Mdi_Frm);
  panel.bt_fechar_limiarClick();
  return picture;
}

QPixmap export_dialog(Session& s) {
  TMinera& panel = mined(s);
  QPushButton* exporta = nullptr;
  for (QPushButton* b : s.w().Mdi_Frm->findChildren<QPushButton*>())
    if (b->text() == QStringLiteral("Exportar...") && b->parentWidget() == ui(panel).bt_impressao->parentWidget())
      exporta = b;
  require(exporta != nullptr, "o painel não tem o \"Exportar...\" da tabela de freqüência");
  // The dialog shows the files' dates: those of the clock the windows see,
  // so the picture is the same at every run.
  const auto clock = std::chrono::system_clock::from_time_t(s.platform.clock.toSecsSinceEpoch());
  const auto when = fs::file_time_type::clock::now() +
                    std::chrono::duration_cast<fs::file_time_type::duration>(clock - std::chrono::system_clock::now());
  for (const auto& e : fs::recursive_directory_iterator(s.noticias())) fs::last_write_time(e.path(), when);
  std::optional<QPixmap> picture;
  s.platform.on_save_dialog = [&](QWidget& dialog) {
    static_cast<FileChooser&>(dialog).set_name(QStringLiteral("frequencias.csv"));
    settle();
    picture = dialog.grab();
  };
  s.platform.answer(QString::fromStdString((s.root() / "frequencias.csv").string()));
  exporta->click();
  s.platform.on_save_dialog = nullptr;
  s.take_messages();
  require(picture.has_value(), "o diálogo \"Exportar tabela\" não apareceu");
  return *picture;
}

QPixmap report(Session& s) {
  mined(s).bt_impressaoClick();
  TFrm_print* print = s.w().Frm_print;
  require(print && !ui(print).RichEdit1->toPlainText().isEmpty(), "o relatório ficou vazio");
  QPixmap picture = s.shot(print);
  print->hide();
  return picture;
}

QPixmap frequency_chart(Session& s) {
  TMinera& panel = mined(s);
  panel.ListView_contextoColumnClick(1);
  panel.bt_grafico_frequenciasClick();
  QPixmap picture = s.shot(s.w().grafico_frequencias);
  s.w().grafico_frequencias->hide();
  panel.ListView_contextoColumnClick(0);
  return picture;
}

QPixmap stopwords(Session& s) {
  s.mining_wizard(Stage::Preparation);
  s.w().Mdi_Frm->bt_stopwordsClick();
  Tform_stop* stop = s.w().form_stop;
  require(stop->isVisible(), "a lista de stopwords não abriu");
  QPixmap picture = s.shot(stop);
  s.mining_wizard(Stage::None);  // the wizard is left as the manager left it
  return picture;
}

QPixmap about(Session& s) {
  s.restart();
  TMdi_Frm& w = *s.w().Mdi_Frm;
  w.bt_sobreClick();
  require(w.sobre && w.sobre->isVisible(), "a janela Sobre não abriu");
  QPixmap picture = s.shot(w.sobre);
  w.sobre->hide();
  return picture;
}

QPixmap splash(Session& s) {
  TSplashScreen screen;
  return s.shot(&screen);
}

QPixmap tools_window(Session& s) {
  s.tools();
  QSpinBox* memory = ui(*s.w().Form3).sp_memoria;
  require(memory->value() == 1024, "a memória para as análises não está em 1024");
  return s.shot(s.w().Form3);
}

const Picture kPictures[] = {
    {"unit_splashscreen", splash},
    {"mdi_form", entry_menu},
    {"tutorial-01-menu", entry_menu},
    {"sobre", about},
    {"tutorial-02-projeto", [](Session& s) { return main_window(s, Stage::Project); }},
    {"tutorial-03-preparacao", [](Session& s) { return main_window(s, Stage::Preparation); }},
    {"stop_words", stopwords},
    {"unit_textos", [](Session& s) { return during_preparation(s, "unit_textos"); }},
    {"barra_progresso", [](Session& s) { return during_preparation(s, "barra_progresso"); }},
    {"tutorial-04-ontologia-escolha", [](Session& s) { return main_window(s, Stage::OntologyChoice); }},
    {"tutorial-05-ontologia-conceitos", [](Session& s) { return main_window(s, Stage::Ontology); }},
    {"ontologia", [](Session& s) { return main_window(s, Stage::Ontology); }},
    {"tutorial-06-mineracao", [](Session& s) { return main_window(s, Stage::Mined); }},
    {"minera", [](Session& s) { return main_window(s, Stage::Mined); }},
    {"grafico_frequencias", frequency_chart},
    {"unit_print", report},
    {"tutorial-09-exportar", export_dialog},
    {"tutorial-08-rede", [](Session& s) { return concept_network(s, "ambiente"); }},
    {"rede_conceitos", [](Session& s) { return concept_network(s, "economia"); }},
    {"picture_window", whole_network},
    {"tutorial-07-limiar", threshold},
    {"mdi_form2", [](Session& s) { return comparison_set(s, QStringLiteral("palavras que aparecem em mais de 1 texto")); }},
    {"tutorial-10-comparacao", [](Session& s) { return comparison_set(s, QStringLiteral("ver palavras exclusivas de noticia01")); }},
    {"inicio", tools_window},
};

}  // namespace

std::span<const Picture> wizard_pictures() { return kPictures; }

}  // namespace lumeral::gui::pictures
