#include "gui/comparison/centro_contextual.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/files.h"
#include "core/comparison/percentages.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}

Tcentro_percentual::Tcentro_percentual(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  setWindowTitle(QStringLiteral("Calcula % no centróide contextual"));

  QMenuBar* menu = menuBar();
  Calculaporcentagens1 = menu->addAction(QStringLiteral("Calcula porcentagens"));
  QMenu* resultado = menu->addMenu(QStringLiteral("Resultado"));
  Abreresultado1 = resultado->addAction(QStringLiteral("Abre resultado (texto)"));
  Gravacomotexto1 = resultado->addAction(QStringLiteral("Grava como texto"));
  Ordenacaoporpeso1 = resultado->addAction(QStringLiteral("Ordenação por peso"));
  Ordenacaoalfabetica1 = resultado->addAction(QStringLiteral("Ordenação alfabética"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);
  auto* form = new QFormLayout;
  auto field = [central](bool read_only) {
    auto* e = new QLineEdit(central);
    e->setReadOnly(read_only);
    return e;
  };
  Edit_docs = field(true);
  Edit_centro = field(true);
  form->addRow(QStringLiteral("Lista de documentos"), Edit_docs);
  form->addRow(QStringLiteral("Centróide"), Edit_centro);
  v->addLayout(form);
  auto* totals = new QHBoxLayout;
  Edit_total_docs = field(true);
  Edit_total_contextos = field(true);
  for (QLineEdit* e : {Edit_total_docs, Edit_total_contextos}) e->setMaximumWidth(80);
  totals->addWidget(new QLabel(QStringLiteral("Total de docs="), central));
  totals->addWidget(Edit_total_docs);
  totals->addSpacing(20);
  totals->addWidget(new QLabel(QStringLiteral("Total de contextos="), central));
  totals->addWidget(Edit_total_contextos);
  totals->addStretch();
  v->addLayout(totals);
  v->addWidget(new QLabel(QStringLiteral("Resultado"), central));
  ListBox1 = new ListBox(regional(), central);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);

  connect(Calculaporcentagens1, &QAction::triggered, this, [this] { Calculaporcentagens1Click(); });
  connect(Abreresultado1, &QAction::triggered, this, [this] { Abreresultado1Click(); });
  connect(Gravacomotexto1, &QAction::triggered, this, [this] { Gravacomotexto1Click(); });
  connect(Ordenacaoporpeso1, &QAction::triggered, this, [this] { Ordenacaoporpeso1Click(); });
  connect(Ordenacaoalfabetica1, &QAction::triggered, this, [this] { Ordenacaoalfabetica1Click(); });
  resize(560, 460);
}

void Tcentro_percentual::Calculaporcentagens1Click() {
  command([this] {
    ListBox1->clear();
    TMdi_Frm* wizard = windows().Mdi_Frm;
    const bool projeto_aberto = wizard && !wizard->label_prob->text().isEmpty();
    if (!projeto_aberto) {
      if (Edit_docs->text().trimmed().isEmpty()) {
        auto docs = platform().open_file(this, {QStringLiteral("Seleciona lista de documentos"),
                                                QStringLiteral("lista de documentos (*.ldc)|*.ldc"), QString(),
                                                QString()});
        if (!docs) return;
        Edit_docs->setText(*docs);
      }
      auto centro = platform().open_file(this, {QStringLiteral("Seleciona centróide (lista de palavras)"),
                                                QStringLiteral("lista de palavras (*.lpl)|*.lpl"), QString(),
                                                QString()});
      if (!centro) return;
      Edit_centro->setText(*centro);
    }
    auto result = comparison::compute_percentages(path_of(Edit_docs->text().trimmed()),
                                                  path_of(Edit_centro->text().trimmed()), regional());
    Edit_total_docs->setText(QString::number(result.document_count));
    Edit_total_contextos->setText(QString::number(result.context_count));
    ListBox1->add_all(result.lines);
  });
}

void Tcentro_percentual::Abreresultado1Click() {
  command([this] {
    auto file =
        platform().open_file(this, {QStringLiteral("Abre resultados (txt)"), kFiltroTexto, QString(), QString()});
    if (!file) return;
    ListBox1->clear();
    ListBox1->add_all(read_document_lines(path_of(*file)));
  });
}

void Tcentro_percentual::Gravacomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QStringLiteral("Grava resultados como texto"), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), ListBox1->lines());
  });
}

void Tcentro_percentual::Ordenacaoporpeso1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    std::vector<Ansi> lines = ListBox1->lines();
    comparison::sort_percentages(lines, regional());
    ListBox1->set_lines(lines);
  });
}

void Tcentro_percentual::Ordenacaoalfabetica1Click() { ListBox1->set_sorted(true); }

}  // namespace lumeral::gui
