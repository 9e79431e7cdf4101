#include "gui/clustering/apresenta_matriz.h"

#include <QStringList>
#include <QTextBlock>

#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_show_matriz::Tform_show_matriz(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
  add_export_button(*this, Memo1, [this] { return tabela_; });
}

void Tform_show_matriz::abre_vazia() {
  Memo1->clear();
  show();
  raise();
}

void Tform_show_matriz::mostra(const std::vector<Ansi>& lines, exporting::Table table) {
  tabela_ = std::move(table);
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const Ansi& line : lines) text << qs(line);
  Memo1->setPlainText(text.join(QLatin1Char('\n')));
}

std::vector<Ansi> Tform_show_matriz::linhas() const {
  std::vector<Ansi> lines;
  if (Memo1->document()->isEmpty()) return lines;
  for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) lines.push_back(ansi(b.text()));
  return lines;
}

}  // namespace lumeral::gui
