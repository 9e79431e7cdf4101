// "Exportar...": every table or list a window shows can be written as a
// spreadsheet (CSV or XLSX, chosen in the save dialog by its filter or by
// the name's extension). A window adds the command with one line, giving
// the place of the command and how to build its table from the rows it
// shows now (core/export/table.h builds it from the window's own rows):
//
//   add_export_action(*this, Salvarcomotexto1, [this] { return exporting::association_table(linhas_); });
#pragma once

#include <functional>

#include "core/export/table.h"
#include "gui/base/form.h"

class QAction;
class QPushButton;

namespace lumeral::gui {

using TableOf = std::function<exporting::Table()>;

// The dialog's filter: CSV first (the default extension), then XLSX.
extern const QString kExportFilter;

// Asks for the file through the platform and writes `table_of()` there;
// a stop (a folder that cannot be written, an unknown extension) is shown
// as the window's error box and leaves no file behind.
void export_table(Form& form, const TableOf& table_of);

// A menu command "Exportar..." placed just after `after` in every menu
// that holds it.
QAction* add_export_action(Form& form, QAction* after, TableOf table_of);

// A button "Exportar..." placed just after `beside` in its layout.
QPushButton* add_export_button(Form& form, QWidget* beside, TableOf table_of);

}  // namespace lumeral::gui
