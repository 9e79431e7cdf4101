#include "gui/preparation/variaveis.h"

#include <QCloseEvent>
#include <QStatusBar>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/preparation/office_text.h"
#include "core/records/document_list.h"
#include "core/variables/variables_sheet.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {

const QString kFiltroLdc = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroPlanilha =
    QStringLiteral("Planilhas (*.csv;*.xlsx;*.ods)|*.csv;*.xlsx;*.ods|Todos os arquivos (*.*)|*.*");

std::string nome_entre_aspas(AnsiView nome) { return "\"" + printable(to_utf8(nome)) + "\""; }

}  // namespace

Tform_variaveis::Tform_variaveis(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(bt_abre, &QPushButton::clicked, this, [this] { bt_abreClick(); });
  connect(bt_inclui, &QPushButton::clicked, this, [this] { bt_incluiClick(); });
  connect(Edit_variavel, &QLineEdit::returnPressed, this, [this] { bt_incluiClick(); });
  connect(bt_exclui, &QPushButton::clicked, this, [this] { bt_excluiClick(); });
  connect(bt_importa, &QPushButton::clicked, this, [this] { bt_importaClick(); });
  connect(bt_grava, &QPushButton::clicked, this, [this] { bt_gravaClick(); });
  connect(Grid_variaveis, &QTableWidget::cellChanged, this, [this] {
    if (!mostrando_) alterado_ = true;
  });
  add_export_button(*this, bt_grava, [this] { return variables::variables_sheet(linhas()); });
}

// ---------------------------------------------------------------- showing

void Tform_variaveis::carrega(const fs::path& lista) {
  std::vector<Ansi> documentos = records::read_document_names(lista);
  const fs::path arquivo = variables::variables_path_for(lista);
  const bool existe = fs::exists(arquivo);
  const variables::Variables lidas = existe ? variables::read_variables(arquivo) : variables::Variables{};
  lista_ = lista;
  documentos_ = std::move(documentos);
  Edit_lista->setText(qpath(lista));
  mostra(variables::variables_grid(lidas, documentos_));
  alterado_ = false;
  statusBar()->showMessage(
      existe ? qs("Variáveis lidas de " + message_name(arquivo) + ".")
             : qs("A lista ainda não tem arquivo de variáveis (" + message_name(arquivo.filename()) +
                  "): inclua as variáveis, preencha e grave."));
}

void Tform_variaveis::mostra(const variables::VariablesGrid& grid) {
  mostrando_ = true;
  const variables::Variables& v = grid.rows;
  nomes_ = v.names;
  linhas_ = v.documents;
  no_arquivo_ = grid.in_file;
  Grid_variaveis->clear();
  Grid_variaveis->setColumnCount(static_cast<int>(nomes_.size()));
  Grid_variaveis->setRowCount(static_cast<int>(linhas_.size()));
  for (std::size_t c = 0; c < nomes_.size(); ++c)
    Grid_variaveis->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(qs(nomes_[c])));
  for (std::size_t r = 0; r < linhas_.size(); ++r) {
    auto* documento = new QTableWidgetItem(qs(linhas_[r]));
    if (r >= grid.listed) {
      // A row of the file that names no document of the list: kept, set apart.
      QFont fonte = documento->font();
      fonte.setItalic(true);
      documento->setFont(fonte);
      documento->setToolTip(QStringLiteral("Este documento não está na lista: a linha é mantida no arquivo, mas "
                                           "não conta nas análises da lista"));
    }
    Grid_variaveis->setVerticalHeaderItem(static_cast<int>(r), documento);
    for (std::size_t c = 0; c < nomes_.size(); ++c)
      Grid_variaveis->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(qs(v.values[r][c])));
  }
  Grid_variaveis->resizeColumnsToContents();
  mostrando_ = false;
  mostra_avisos();
}

void Tform_variaveis::mostra_avisos() {
  QStringList avisos;
  for (const std::string& aviso : variables::variables_table(variaveis(), documentos_).warnings) avisos << qs(aviso);
  Label_avisos->setText(avisos.join('\n'));
  Label_avisos->setVisible(!avisos.isEmpty());
}

variables::Variables Tform_variaveis::linhas() const {
  variables::Variables v;
  v.names = nomes_;
  v.documents = linhas_;
  v.values.resize(linhas_.size());
  for (std::size_t r = 0; r < linhas_.size(); ++r) {
    v.values[r].reserve(nomes_.size());
    for (std::size_t c = 0; c < nomes_.size(); ++c) {
      const QTableWidgetItem* item = Grid_variaveis->item(static_cast<int>(r), static_cast<int>(c));
      v.values[r].push_back(item ? variables::stored_value(item->text().toStdString()) : Ansi());
    }
  }
  return v;
}

variables::Variables Tform_variaveis::variaveis() const {
  variables::Variables todas = linhas();
  variables::Variables v;
  v.names = std::move(todas.names);
  for (std::size_t r = 0; r < todas.documents.size(); ++r) {
    // A listed document the file had no row for gets one once it has a value.
    bool com_valor = no_arquivo_[r];
    for (const Ansi& valor : todas.values[r]) com_valor = com_valor || !valor.empty();
    if (!com_valor) continue;
    v.documents.push_back(std::move(todas.documents[r]));
    v.values.push_back(std::move(todas.values[r]));
  }
  return v;
}

bool Tform_variaveis::descarta_alteracoes() {
  if (!alterado_) return true;
  return platform().confirm(this, qs("As variáveis de " + message_name(lista_.filename()) +
                                     " foram alteradas e não foram gravadas: as alterações serão perdidas. "
                                     "Continuar assim mesmo?"));
}

void Tform_variaveis::abre_do_projeto() {
  if (!lista_.empty()) return;
  std::optional<shell::Project> projeto = windows().wizard_open_project();
  if (!projeto) projeto = windows().comparison_project();
  if (!projeto || !fs::exists(projeto->doc_list())) return;
  command([&] { carrega(projeto->doc_list()); });
}

// ---------------------------------------------------------------- commands

void Tform_variaveis::bt_abreClick() {
  command([&] {
    if (!descarta_alteracoes()) return;
    QString pasta;
    if (auto projeto = windows().wizard_open_project()) pasta = qpath(projeto->folder);
    auto arquivo = platform().open_file(
        this, {QStringLiteral("Abre lista de documentos"), kFiltroLdc, QStringLiteral("ldc"), pasta});
    if (arquivo) carrega(path_of(*arquivo));
  });
}

void Tform_variaveis::bt_incluiClick() {
  command([&] {
    if (lista_.empty()) throw Stop("Abra primeiro uma lista de documentos.");
    const Ansi nome = variables::stored_value(Edit_variavel->text().toStdString());
    if (nome.empty()) throw Stop("Escreva o nome da nova variável ao lado de \"Inclui variável\".");
    for (const Ansi& existente : nomes_)
      if (lower_az(existente) == lower_az(nome))
        throw Stop("A variável " + nome_entre_aspas(existente) + " já existe: escolha outro nome.");
    const int coluna = static_cast<int>(nomes_.size());
    mostrando_ = true;
    Grid_variaveis->insertColumn(coluna);
    Grid_variaveis->setHorizontalHeaderItem(coluna, new QTableWidgetItem(qs(nome)));
    for (int r = 0; r < Grid_variaveis->rowCount(); ++r) Grid_variaveis->setItem(r, coluna, new QTableWidgetItem);
    mostrando_ = false;
    nomes_.push_back(nome);
    alterado_ = true;
    Edit_variavel->clear();
    Grid_variaveis->setCurrentCell(0, coluna);
  });
}

void Tform_variaveis::bt_excluiClick() {
  command([&] {
    const int coluna = Grid_variaveis->currentColumn();
    if (coluna < 0 || coluna >= static_cast<int>(nomes_.size()))
      throw Stop("Selecione uma célula da variável a excluir.");
    Grid_variaveis->removeColumn(coluna);
    nomes_.erase(nomes_.begin() + coluna);
    alterado_ = true;
    mostra_avisos();
  });
}

void Tform_variaveis::bt_importaClick() {
  command([&] {
    if (lista_.empty()) throw Stop("Abra primeiro uma lista de documentos.");
    if (!descarta_alteracoes()) return;
    auto tabela = platform().open_file(this, {QStringLiteral("Importar variáveis de planilha"), kFiltroPlanilha,
                                              QString(), QString()});
    if (!tabela) return;
    variables::TableOptions opcoes;
    opcoes.limit = preparation::document_size_limit(memory_budget(platform()));
    variables::set_variables(lista_, path_of(*tabela), opcoes);
    carrega(lista_);
    statusBar()->showMessage(qs("Variáveis trocadas pelas de " + message_name(path_of(*tabela).filename()) +
                                " e gravadas em " +
                                message_name(variables::variables_path_for(lista_).filename()) + "."));
  });
}

void Tform_variaveis::bt_gravaClick() {
  command([&] {
    if (lista_.empty()) throw Stop("Abra primeiro uma lista de documentos.");
    const variables::Variables v = variaveis();
    const fs::path arquivo = variables::variables_path_for(lista_);
    variables::write_variables(arquivo, v);
    // The rows written are the file's rows now.
    const variables::Variables todas = linhas();
    for (std::size_t r = 0; r < no_arquivo_.size(); ++r)
      for (const Ansi& valor : todas.values[r]) no_arquivo_[r] = no_arquivo_[r] || !valor.empty();
    alterado_ = false;
    mostra_avisos();
    statusBar()->showMessage(qs("Variáveis gravadas em " + message_name(arquivo) + "."));
  });
}

void Tform_variaveis::closeEvent(QCloseEvent* event) {
  if (!descarta_alteracoes()) {
    event->ignore();
    return;
  }
  if (alterado_) {
    // The edits dropped: the window shows the file again when reopened.
    alterado_ = false;
    command([&] { carrega(lista_); });
  }
  QMainWindow::closeEvent(event);
}

}  // namespace lumeral::gui
