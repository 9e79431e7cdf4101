#include "gui/classification/analise_correspondencia.h"

#include <QTimer>

#include "charts/picture_export.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/mining/rules.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/classification/variaveis_lista.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroContextos = QStringLiteral("listas de contextos (*.lct)|*.lct");
}  // namespace

Tform_ac::Tform_ac(Windows& windows) : PictureWindow(windows, QStringLiteral("Análise de Correspondência")) {
  build_layout();
  const auto calculado = [this]() -> const statistics::CaRun& {
    if (!resultado_) throw Stop("Calcule a análise antes de exportá-la.", MessageKind::Information);
    return *resultado_;
  };
  add_export_button(*this, Tabela_inercia, [calculado] { return statistics::inertia_table(calculado().result); })
      ->setText(QStringLiteral("Exportar inércias..."));
  add_export_button(*this, ListBox_docs, [calculado] { return statistics::coordinates_table(calculado()); })
      ->setText(QStringLiteral("Exportar coordenadas..."));
  set_exporter([this](const QString& path) {
    if (!resultado_) return QStringLiteral("Não há figura para exportar");
    return charts::save_scene(path, *Cena, windowTitle());
  });
  connect(bt_docs, &QPushButton::clicked, this, [this] { bt_docsClick(); });
  connect(bt_contextos, &QPushButton::clicked, this, [this] { bt_contextosClick(); });
  connect(bt_calcula, &QPushButton::clicked, this, [this] { bt_calculaClick(); });
  connect(bt_ajustar_mapa, &QAction::triggered, this, [this] { Vista->fit(); });
  connect(Cena, &charts::BiplotScene::point_clicked, this, [this](int index) { PontoClick(index); });
  connect(ListBox_docs, &QListWidget::itemDoubleClicked, this, [this] { ListBox_docsDblClick(); });
  connect(RadioGroup_linhas, &RadioGroup::clicked, this, [this] { habilita_linhas(); });
  habilita_linhas();
}

void Tform_ac::habilita_linhas() {
  const bool conceitos = RadioGroup_linhas->item_index() == 0;
  for (QWidget* w : {static_cast<QWidget*>(Edit_contextos), static_cast<QWidget*>(bt_contextos),
                     static_cast<QWidget*>(Edit_grau)})
    w->setEnabled(conceitos);
  SpinEdit_palavras->setEnabled(!conceitos);
}

void Tform_ac::bt_docsClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_docs->setText(*file);
    preenche_variaveis(ComboBox_variavel, *file);
  });
}

void Tform_ac::bt_contextosClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (file) Edit_contextos->setText(*file);
  });
}

void Tform_ac::bt_calculaClick() {
  command([this] { calcula(); });
}

void Tform_ac::atualiza() {
  if (resultado_) calcula();
}

void Tform_ac::calcula() {
  resultado_.reset();
  Cena->show_model({});
  Tabela_inercia->setRowCount(0);
  ListBox_docs->set_lines({});
  const bool conceitos = RadioGroup_linhas->item_index() == 0;
  const auto lista = path_of(Edit_docs->text().trimmed());
  const Ansi variavel = ansi(ComboBox_variavel->currentText());
  const double grau = conceitos ? mining::parse_min_degree(ansi(Edit_grau->text()), regional()) : 0;
  StatusProgress status(StatusBar1);
  statistics::CaRun run =
      conceitos ? statistics::concepts_correspondence(lista, path_of(Edit_contextos->text().trimmed()), variavel,
                                                      grau, status)
                : statistics::words_correspondence(lista, variavel, static_cast<std::size_t>(SpinEdit_palavras->value()),
                                                   status, memory_budget(platform()));
  mostra_tabela(Tabela_inercia, statistics::inertia_table(run.result), regional());
  Cena->show_model(charts::biplot_model(
      run, regional(), QStringLiteral("Análise de Correspondência: %1").arg(ComboBox_variavel->currentText())));
  Vista->fit();
  QTimer::singleShot(0, Vista, [v = Vista] { v->fit(); });  // the view knows its size only once shown
  QStringList avisos;
  for (const std::string& w : run.warnings) avisos << qs(w);
  if (!run.dropped.empty()) {
    QStringList nomes;
    for (const Ansi& d : run.dropped) nomes << qs(d);
    avisos << QStringLiteral("Sem nenhuma ocorrência, ficam fora da análise: %1").arg(nomes.join(", "));
  }
  Label_ponto->setText(avisos.isEmpty() ? QStringLiteral("Clique em um ponto para ver os seus documentos")
                                        : avisos.join('\n'));
  lista_ = lista;
  variavel_ = variavel;
  grau_ = grau;
  resultado_ = std::move(run);
}

void Tform_ac::PontoClick(int index) {
  command([this, index] {
    if (!resultado_ || index < 0 || static_cast<std::size_t>(index) >= Cena->model().points.size()) return;
    const charts::BiplotPoint& p = Cena->model().points[static_cast<std::size_t>(index)];
    const std::string_view kind = p.category ? "categoria" : resultado_->row_kind;
    const auto docs = statistics::documents_of_point(lista_, variavel_, kind, ansi(p.name), grau_);
    ListBox_docs->set_lines(docs);
    Label_ponto->setText(QStringLiteral("%1 \"%2\": %3 documento(s)")
                             .arg(p.category            ? QStringLiteral("Categoria")
                                  : kind == "palavra" ? QStringLiteral("Palavra")
                                                      : QStringLiteral("Conceito"),
                                  p.name)
                             .arg(docs.size()));
  });
}

void Tform_ac::ListBox_docsDblClick() {
  const int row = ListBox_docs->currentRow();
  if (row < 0) return;
  std::filesystem::path pasta = lista_.parent_path();
  if (pasta.empty()) pasta = ".";
  windows().show_text_file(qpath(pasta / to_path(ListBox_docs->line(row))));
}

}  // namespace lumeral::gui
