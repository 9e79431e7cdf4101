#include "gui/contexts/criar_contextos.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>

#include "core/contexts/contexts.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroListas = QStringLiteral("listas de contextos (*.lct)|*.lct");
const QString kFiltroContextos = QStringLiteral("contextos (*.ctt)|*.ctt");
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}  // namespace

Tform_cont::Tform_cont(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelista1, &QAction::triggered, this, [this] { Abrelista1Click(); });
  connect(Salvalista1, &QAction::triggered, this, [this] { Salvalista1Click(); });
  connect(Salvalistacomotexto1, &QAction::triggered, this, [this] { Salvalistacomotexto1Click(); });
  connect(Ordenaalfabetica1, &QAction::triggered, this, [this] { Ordenaalfabetica1Click(); });
  connect(Limpalista1, &QAction::triggered, this, [this] { Limpalista1Click(); });
  connect(Abrecontexto1, &QAction::triggered, this, [this] { Abrecontexto1Click(); });
  connect(Incluicontexto1, &QAction::triggered, this, [this] { Incluicontexto1Click(); });
  connect(Salvacontexto1, &QAction::triggered, this, [this] { Salvacontexto1Click(); });
  connect(Salvacontextocomotexto1, &QAction::triggered, this, [this] { Salvacontextocomotexto1Click(); });
  connect(Limpadefinicoes1, &QAction::triggered, this, [this] { Limpadefinicoes1Click(); });
  connect(Trocapesos01, &QAction::triggered, this, [this] { Trocapesos01Click(); });
  connect(Trocapesospor11, &QAction::triggered, this, [this] { Trocapesospor11Click(); });
  connect(Gravadefinicoescomotexto1, &QAction::triggered, this, [this] { Gravadefinicoescomotexto1Click(); });
}

void Tform_cont::Abrelista1Click() {
  command([this] {
    Memo_lista->clear();
    Memo_definicao->clear();
    auto file = platform().open_file(this, {QString(), kFiltroListas, QString(), QString()});
    if (!file) return;
    const auto lines = contexts::open_context_list(path_of(*file), regional());
    Memo_lista->set_lines(lines);
    Edit_total->setText(QString::number(lines.size()));
  });
}

void Tform_cont::Salvalista1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroListas, QStringLiteral("lct"), QString()});
    if (!file) throw Stop("Não gravou lista de contextos", MessageKind::Information);
    contexts::save_context_list(path_of(*file), Memo_lista->lines(), regional());
  });
}

void Tform_cont::salva_texto(const Memo* memo) {
  command([this, memo] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), memo->lines());
  });
}

void Tform_cont::Salvalistacomotexto1Click() { salva_texto(Memo_lista); }

void Tform_cont::Ordenaalfabetica1Click() {
  std::vector<Ansi> lines = Memo_lista->lines();
  records::sort_bytewise(lines);
  Memo_lista->set_lines(lines);
}

void Tform_cont::Limpalista1Click() { Memo_lista->clear(); }

void Tform_cont::Abrecontexto1Click() {
  Memo_definicao->clear();
  Incluicontexto1Click();
}

void Tform_cont::Incluicontexto1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (!file) return;
    Memo_definicao->add_lines(contexts::open_context(path_of(*file), regional()));
  });
}

void Tform_cont::Salvacontexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroContextos, QStringLiteral("ctt"), QString()});
    if (!file) throw Stop("Não gravou contexto", MessageKind::Information);
    show_messages(contexts::save_context(path_of(*file), Memo_definicao->lines(), regional()));
  });
}

void Tform_cont::Salvacontextocomotexto1Click() { salva_texto(Memo_definicao); }

void Tform_cont::Limpadefinicoes1Click() { Memo_definicao->clear(); }

void Tform_cont::troca_pesos(bool todos) {
  command([this, todos] {
    auto file = platform().open_file(this, {QString(), kFiltroListas, QString(), QString()});
    if (!file) return;
    show_message(contexts::replace_weights(path_of(*file), todos ? contexts::WeightChange::AllToOne
                                                                 : contexts::WeightChange::ZeroToOne));
  });
}

void Tform_cont::Trocapesos01Click() { troca_pesos(false); }
void Tform_cont::Trocapesospor11Click() { troca_pesos(true); }

void Tform_cont::Gravadefinicoescomotexto1Click() {
  command([this] {
    auto list = platform().open_file(
        this, {QStringLiteral("Selecionar uma lista de contextos"), kFiltroListas, QString(), QString()});
    if (!list) return;
    auto report = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!report) return;
    show_message(contexts::write_definitions_report(path_of(*list), path_of(*report), regional()));
  });
}

}  // namespace lumeral::gui
