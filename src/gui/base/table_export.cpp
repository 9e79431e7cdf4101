#include "gui/base/table_export.h"

#include <QAction>
#include <QBoxLayout>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

#include "core/export/table_files.h"
#include "gui/base/platform.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

const QString kExportFilter =
    QStringLiteral("planilha CSV (*.csv)|*.csv|planilha do Excel (*.xlsx)|*.xlsx");

namespace {

const QString kCaption = QStringLiteral("Exportar...");
const QString kHint = QStringLiteral("Grava esta tabela como planilha (CSV ou XLSX)");

// The layout, among `layout` and those nested in it, that holds `w` itself.
QLayout* holder_of(QLayout* layout, QWidget* w) {
  if (!layout) return nullptr;
  if (layout->indexOf(w) >= 0) return layout;
  for (int i = 0; i < layout->count(); ++i)
    if (QLayout* found = holder_of(layout->itemAt(i)->layout(), w)) return found;
  return nullptr;
}

}  // namespace

void export_table(Form& form, const TableOf& table_of) {
  auto* window = dynamic_cast<QWidget*>(&form);
  form.command([&] {
    auto file = form.platform().save_file(
        window, {QStringLiteral("Exportar tabela"), kExportFilter, QStringLiteral("csv"), QString(), true});
    if (!file) return;
    exporting::export_table(path_of(*file), table_of(), form.regional());
    form.information(QStringLiteral("Tabela exportada para \"%1\".").arg(QFileInfo(*file).fileName()));
  });
}

QAction* add_export_action(Form& form, QAction* after, TableOf table_of) {
  auto* window = dynamic_cast<QWidget*>(&form);
  auto* action = new QAction(kCaption, window);
  action->setStatusTip(kHint);
  action->setToolTip(kHint);
  for (QObject* owner : after->associatedObjects()) {
    auto* menu = qobject_cast<QMenu*>(owner);
    if (!menu) continue;
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    menu->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, action);
  }
  QObject::connect(action, &QAction::triggered, window,
                   [&form, table_of = std::move(table_of)] { export_table(form, table_of); });
  return action;
}

QPushButton* add_export_button(Form& form, QWidget* beside, TableOf table_of) {
  auto* window = dynamic_cast<QWidget*>(&form);
  QWidget* parent = beside->parentWidget();
  auto* button = command_button(kCaption, kHint, parent);
  QLayout* layout = parent ? holder_of(parent->layout(), beside) : nullptr;
  if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
    box->insertWidget(box->indexOf(beside) + 1, button);
  } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    // The row below the neighbour, in its column.
    int row = 0, column = 0, rows = 1, columns = 1;
    grid->getItemPosition(grid->indexOf(beside), &row, &column, &rows, &columns);
    grid->addWidget(button, row + rows, column);
  } else if (layout) {
    layout->addWidget(button);
  }
  QObject::connect(button, &QPushButton::clicked, window,
                   [&form, table_of = std::move(table_of)] { export_table(form, table_of); });
  return button;
}

}  // namespace lumeral::gui
