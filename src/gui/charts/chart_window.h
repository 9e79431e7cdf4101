// The frame of every chart window: a toolbar with "Exportar imagem..." over
// the chart. It is a plain widget, so it opens as a window of its own or
// goes inside a QDockWidget (`setWidget`). The export asks for the file
// through the platform's save dialog (PNG, SVG or PDF by the extension
// chosen) and writes it through the exporter, which by default draws the
// content widget as it stands (charts/picture_export.h, written whole or
// not at all). A chart whose picture is not its widget (a scene, a
// drawing at another size) sets its own exporter.
//
//   auto* w = new MyChartWindow(windows);  // derives from ChartWindow
//   w->set_content(view);                  // the chart, under the toolbar
//   w->set_exporter([view](const QString& path) { return save_scene(path, *view->scene()); });
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "gui/base/form.h"

class QAction;
class QTimer;
class QToolBar;
class QVBoxLayout;

namespace lumeral::gui {

class ChartWindow : public QWidget, public Form {
  Q_OBJECT
 public:
  ChartWindow(Windows& windows, const QString& title);

  QToolBar* barra;             // the toolbar; a window adds its own controls after the export
  QAction* Exportarimagem1;    // "Exportar imagem..."

  // The chart under the toolbar (owned by the window; replaces any before).
  void set_content(QWidget* content);
  QWidget* content() const { return content_; }

  // Writes the picture to `path`; returns "" or the Portuguese reason.
  using Exporter = std::function<QString(const QString& path)>;
  void set_exporter(Exporter exporter) { exporter_ = std::move(exporter); }

  // "Exportar imagem...": the save dialog, then the exporter. A failure
  // shows its reason and leaves no file behind.
  void Exportarimagem1Click();
  // Redraws the chart from the window it shows.
  virtual void atualiza() {}
  // Asks for one redraw once the running command is over: a window whose
  // lists change line by line (a sort) is drawn once, not once per line.
  void agenda_atualizacao();

  // The file the last export wrote (empty until one succeeded).
  QString ultima_imagem;

 private:
  QVBoxLayout* layout_;
  QWidget* content_ = nullptr;
  Exporter exporter_;
  QTimer* redesenho_;
};

}  // namespace lumeral::gui
