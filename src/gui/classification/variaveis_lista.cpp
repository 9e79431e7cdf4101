#include "gui/classification/variaveis_lista.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <QTableWidget>

#include "core/statistics/grouping.h"
#include "core/variables/variables_file.h"
#include "gui/base/form.h"

namespace lumeral::gui {

void preenche_variaveis(QComboBox* combo, const QString& lista) {
  const QSignalBlocker quiet(combo);
  const QString antes = combo->currentText();
  combo->clear();
  const auto vars = variables::read_variables(variables::variables_path_for(path_of(lista)));
  for (const Ansi& name : vars.names) combo->addItem(qs(name));
  const int i = combo->findText(antes);
  if (i >= 0) combo->setCurrentIndex(i);
}

void mostra_tabela(QTableWidget* widget, const exporting::Table& table, const Regional& regional) {
  widget->clear();
  widget->setColumnCount(static_cast<int>(table.columns()));
  widget->setRowCount(static_cast<int>(table.rows.size()));
  QStringList headers;
  for (const std::string& h : table.headers) headers << QString::fromStdString(h);
  widget->setHorizontalHeaderLabels(headers);
  for (std::size_t r = 0; r < table.rows.size(); ++r)
    for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
      const exporting::Cell& cell = table.rows[r][c];
      auto* item = new QTableWidgetItem(qs(statistics::cell_text(cell, regional)));
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      if (cell.is_number()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      widget->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  widget->resizeColumnsToContents();
}

AreaResultado monta_area_resultado(QWidget* central, QVBoxLayout* v, const QString& dica_grafico, int altura_avisos) {
  AreaResultado area;
  auto* botoes = area.botoes = new QHBoxLayout;
  area.calcula = new QPushButton(QStringLiteral("Calcula"), central);
  area.grafico = new QPushButton(QStringLiteral("Gráfico"), central);
  area.grafico->setToolTip(dica_grafico);
  botoes->addWidget(area.calcula);
  botoes->addWidget(area.grafico);
  botoes->addStretch(1);
  v->addLayout(botoes);

  area.tabela = new QTableWidget(central);
  area.tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
  area.tabela->verticalHeader()->setVisible(false);
  v->addWidget(area.tabela, 1);
  v->addWidget(new QLabel(QStringLiteral("Avisos"), central));
  area.avisos = new QPlainTextEdit(central);
  area.avisos->setReadOnly(true);
  area.avisos->setMaximumHeight(altura_avisos);
  v->addWidget(area.avisos);
  return area;
}

}  // namespace lumeral::gui
