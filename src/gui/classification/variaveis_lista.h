// What the windows of the statistics by variable share: the variables of a
// document list offered in a combo box (read from the list's variables
// file), and a table of the core shown cell by cell as the command line
// prints it.
#pragma once

#include <QString>

#include "core/base/regional.h"
#include "core/export/table.h"

class QComboBox;
class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace lumeral::gui {

// Fills `combo` with the variables of the list's variables file, keeping
// the variable chosen before when the file still has it. The combo is
// emptied first: a missing or unreadable file stops with the core's message.
void preenche_variaveis(QComboBox* combo, const QString& lista);

// Shows `table` in `widget`: its headers, then each cell as the command
// line prints it (numbers right-aligned).
void mostra_tabela(QTableWidget* widget, const exporting::Table& table, const Regional& regional);

// The lower part both table windows lay out in `v`: "Calcula" and "Gráfico"
// (its tooltip `dica_grafico`), the table, and the warnings box of at most
// `altura_avisos` pixels under its caption "Avisos".
struct AreaResultado {
  QHBoxLayout* botoes;  // the row of the two buttons, for a window's own
  QPushButton* calcula;
  QPushButton* grafico;
  QTableWidget* tabela;
  QPlainTextEdit* avisos;
};
AreaResultado monta_area_resultado(QWidget* central, QVBoxLayout* v, const QString& dica_grafico, int altura_avisos);

}  // namespace lumeral::gui
