#include "gui/charts/chart_window.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "charts/picture_export.h"
#include "gui/base/picture_dialog.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

ChartWindow::ChartWindow(Windows& windows, const QString& title) : QWidget(nullptr), Form(windows) {
  setWindowTitle(title);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  barra = new QToolBar(this);
  barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
  Exportarimagem1 = barra->addAction(QStringLiteral("Exportar imagem..."));
  Exportarimagem1->setToolTip(QStringLiteral("Grava o gráfico como imagem PNG, desenho SVG ou documento PDF"));
  layout_->addWidget(barra);
  connect(Exportarimagem1, &QAction::triggered, this, [this] { Exportarimagem1Click(); });
  redesenho_ = new QTimer(this);
  redesenho_->setSingleShot(true);
  redesenho_->setInterval(0);
  connect(redesenho_, &QTimer::timeout, this, [this] { atualiza(); });
  exporter_ = [this](const QString& path) {
    return content_ ? charts::save_widget(path, *content_, windowTitle())
                    : QStringLiteral("Não há gráfico para exportar");
  };
}

void ChartWindow::set_content(QWidget* content) {
  if (content_) {
    layout_->removeWidget(content_);
    content_->deleteLater();
  }
  content_ = content;
  content_->setParent(this);
  layout_->addWidget(content_, 1);
}

void ChartWindow::agenda_atualizacao() { redesenho_->start(); }

void ChartWindow::Exportarimagem1Click() {
  command([this] {
    auto file = export_picture(*this, this, QStringLiteral("Exportar imagem"), QStringLiteral("png"), exporter_);
    if (!file) return;
    ultima_imagem = *file;
    information(QStringLiteral("Imagem gravada em %1").arg(QFileInfo(*file).fileName()));
  });
}

}  // namespace lumeral::gui
