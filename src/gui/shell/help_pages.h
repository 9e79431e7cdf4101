// Which page of the user guide tells about which window, and the help every
// window offers: F1 anywhere opens the page of the window (or panel) it is
// pressed in, and the windows get an "Ajuda" menu ("Guia do Lumeral",
// "Ajuda desta janela (F1)", "Sobre o Lumeral"). A window with menus gets
// it after its own; a window without any gets a menu bar holding only it.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace lumeral::gui {

class Windows;

struct HelpPage {
  const char* class_name;  // the window's class, without its namespace
  const char* page;        // relative to the guide's folder, '/' separated
  bool menu;               // the window gets the "Ajuda" menu
};

// Every window and panel with a page of its own, in one table.
const std::vector<HelpPage>& help_pages();

// The page of the innermost widget from `widget` up to its window that has
// one ("janelas/minera.md" for a field of the mining panel,
// "janelas/mdi_form.md" for the wizard's own buttons); empty when none has.
QString help_page_for(const QWidget* widget);

// The table's entry for a window's own class; null when it has none.
const HelpPage* help_page_of_class(const QWidget* window);

// Installed on the application by the registry: maps F1 to the guide and
// gives each window of the table its "Ajuda" menu when first shown.
class HelpKeys : public QObject {
  Q_OBJECT
 public:
  explicit HelpKeys(Windows& windows);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Adds the "Ajuda" menu to `window` (once; nothing when its entry in the
  // table says it gets none).
  void add_menu(QWidget* window);

 private:
  Windows& windows_;
};

}  // namespace lumeral::gui
