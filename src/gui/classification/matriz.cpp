#include "gui/classification/matriz.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <optional>

#include "core/classification/matrix.h"
#include "core/classification/results.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/tee_progress.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroContextos = QStringLiteral("listas de contextos (*.lct)|*.lct");
}  // namespace

Tform_matriz::Tform_matriz(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  setWindowTitle(QStringLiteral("Classificação de Documentos (Matriz Documentos X Contextos)"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  Abrelistadecontextos1 = menu->addAction(QStringLiteral("Abre lista de contextos"));
  QMenu* classifica = menu->addMenu(QStringLiteral("Classifica"));
  MetodoDeterministico1 = classifica->addAction(QStringLiteral("Método Determinístico (\"por frase\")"));
  MetodoProbabilistico1 = classifica->addAction(QStringLiteral("Método Probabilístico (\"todo texto\")"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  Mostracontextosdeumdoc1 = resultados->addAction(QStringLiteral("Mostra contextos de um doc"));
  Mostradocumentosdeumcontexto1 = resultados->addAction(QStringLiteral("Mostra documentos de um contexto"));
  Salvaresultadocomoldoc1 = resultados->addAction(QStringLiteral("Salva resultado como ldoc"));
  Salvaresultadocomotexto1 = resultados->addAction(QStringLiteral("Salva resultado como texto"));
  Ordenaalfabeticamente1 = resultados->addAction(QStringLiteral("Ordena alfabeticamente"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Lista de documentos"), central));
  Edit_docs = new QLineEdit(central);
  Edit_docs->setReadOnly(true);
  left->addWidget(Edit_docs);
  left->addWidget(new QLabel(QStringLiteral("Lista de contextos"), central));
  Edit_contextos = new QLineEdit(central);
  Edit_contextos->setReadOnly(true);
  left->addWidget(Edit_contextos);
  auto* form = new QFormLayout;
  Edit_limiar = new QLineEdit(qs(classification::initial_threshold(regional())), central);
  Edit_limiar->setMaximumWidth(120);
  form->addRow(QStringLiteral("Limiar:"), Edit_limiar);
  left->addLayout(form);
  left->addWidget(new QLabel(QStringLiteral("Nome (contexto ou doc):"), central));
  Edit_nome = new QLineEdit(central);
  left->addWidget(Edit_nome);
  Button_docs = new QPushButton(QStringLiteral("Mostra documentos da lista"), central);
  Button_conts = new QPushButton(QStringLiteral("Mostra contextos da lista"), central);
  Button_copia = new QPushButton(QStringLiteral("Copia selecionado"), central);
  for (QPushButton* b : {Button_docs, Button_conts, Button_copia}) left->addWidget(b);
  left->addStretch();
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de items:"), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(90);
  total->addWidget(Edit_total);
  total->addStretch();
  left->addLayout(total);
  grid->addLayout(left, 0, 0);

  ListBox1 = new ListBox(regional(), central);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  ListBox1->setFont(mono);
  ListBox1->setMinimumWidth(330);
  grid->addWidget(ListBox1, 0, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Abrelistadecontextos1, &QAction::triggered, this, [this] { Abrelistadecontextos1Click(); });
  connect(MetodoDeterministico1, &QAction::triggered, this, [this] { MetodoDeterministico1Click(); });
  connect(MetodoProbabilistico1, &QAction::triggered, this, [this] { MetodoProbabilistico1Click(); });
  connect(Mostracontextosdeumdoc1, &QAction::triggered, this, [this] { Mostracontextosdeumdoc1Click(); });
  connect(Mostradocumentosdeumcontexto1, &QAction::triggered, this, [this] { Mostradocumentosdeumcontexto1Click(); });
  connect(Salvaresultadocomoldoc1, &QAction::triggered, this, [this] { Salvaresultadocomoldoc1Click(); });
  connect(Salvaresultadocomotexto1, &QAction::triggered, this, [this] { Salvaresultadocomotexto1Click(); });
  connect(Ordenaalfabeticamente1, &QAction::triggered, this, [this] { Ordenaalfabeticamente1Click(); });
  connect(Button_docs, &QPushButton::clicked, this, [this] { Button_docsClick(); });
  connect(Button_conts, &QPushButton::clicked, this, [this] { Button_contsClick(); });
  connect(Button_copia, &QPushButton::clicked, this, [this] { Button_copiaClick(); });
  resize(820, 480);
}

void Tform_matriz::mostra_total() { Edit_total->setText(QString::number(ListBox1->count())); }

void Tform_matriz::Abrelistadedocs1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_docs->setText(*file);
    pasta_docs = QFileInfo(*file).absolutePath() + QLatin1Char('/');
  });
}

void Tform_matriz::Abrelistadecontextos1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (file) Edit_contextos->setText(*file);
  });
}

void Tform_matriz::classifica(bool deterministico) {
  command([this, deterministico] {
    TMdi_Frm* wizard = windows().Mdi_Frm;
    classification::ClassifyRun run;
    run.doc_list = path_of(Edit_docs->text().trimmed());
    run.context_list = path_of(Edit_contextos->text().trimmed());
    run.method = deterministico ? classification::Method::Deterministic : classification::Method::Probabilistic;
    run.wizard_visible = wizard && wizard->isVisible();
    if (run.wizard_visible) run.project_folder = path_of(wizard->pasta_projeto());
    StatusProgress status(StatusBar1);
    if (!run.wizard_visible) {
      classification::classify(run, status);
      return;
    }
    // The wizard's progress window: the document count on its first line,
    // the status text on the second and in the wizard's first panel.
    std::optional<ProgressScope> window;
    std::error_code ec;
    if (fs::is_regular_file(run.doc_list, ec) && fs::is_regular_file(run.context_list, ec)) {
      window.emplace(windows(), QString(), ProgressScope::Lines::StatusSecond);
      window->mirror_status_to(wizard->panel_hint);
    }
    TeeProgress both(status, window ? static_cast<Progress&>(*window) : Progress::none());
    classification::classify(run, both);
  });
}

void Tform_matriz::MetodoDeterministico1Click() { classifica(true); }
void Tform_matriz::MetodoProbabilistico1Click() { classifica(false); }

void Tform_matriz::Mostracontextosdeumdoc1Click() {
  command([this] {
    auto lines = classification::doc_contexts(fs::current_path(), ansi(Edit_nome->text()),
                                              ansi(Edit_limiar->text()), regional());
    ListBox1->clear();
    ListBox1->add_all(lines);
    mostra_total();
  });
}

void Tform_matriz::Mostradocumentosdeumcontexto1Click() {
  command([this] {
    auto listing = classification::context_docs(path_of(Edit_docs->text().trimmed()), ansi(Edit_nome->text()),
                                                ansi(Edit_limiar->text()), regional());
    // A missing matrix stops the listing after the lines found before it.
    ListBox1->clear();
    ListBox1->add_all(listing.lines);
    mostra_total();
    if (listing.stop) throw Stop(listing.stop->text, listing.stop->kind);
  });
}

void Tform_matriz::Salvaresultadocomoldoc1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (!file) return;
    classification::save_result_as_doc_list(path_of(*file), ListBox1->lines(), regional());
  });
}

void Tform_matriz::Salvaresultadocomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), ListBox1->lines());
  });
}

void Tform_matriz::Ordenaalfabeticamente1Click() { ListBox1->set_sorted(true); }

void Tform_matriz::Button_docsClick() {
  command([this] {
    auto lines = classification::doc_list_names(path_of(Edit_docs->text().trimmed()));
    ListBox1->clear();
    ListBox1->add_all(lines);
    mostra_total();
  });
}

void Tform_matriz::Button_contsClick() {
  command([this] {
    auto lines = classification::context_list_names(path_of(Edit_contextos->text().trimmed()));
    ListBox1->clear();
    ListBox1->add_all(lines);
    mostra_total();
  });
}

void Tform_matriz::Button_copiaClick() {
  int row = ListBox1->currentRow();
  if (row < 0) return;
  Edit_nome->setText(qs(classification::copy_selected(ListBox1->line(row))));
}

}  // namespace lumeral::gui
