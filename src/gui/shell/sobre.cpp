#include "gui/shell/sobre.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/base/widgets.h"

// Both come from the build configuration (packaging/program-info.cmake).
#ifndef LUMERAL_VERSION
#error "LUMERAL_VERSION is set by the build (PROJECT_VERSION)"
#endif
#if !defined(LUMERAL_GUIDE_DIR) || !defined(LUMERAL_DOC_DIR)
#error "LUMERAL_GUIDE_DIR and LUMERAL_DOC_DIR are set by the build (the installed documentation)"
#endif

namespace lumeral::gui {

QString program_version() { return QStringLiteral(LUMERAL_VERSION); }

QString guide_folder() { return QStringLiteral(LUMERAL_GUIDE_DIR); }

const std::vector<ThirdParty>& third_parties() {
  static const std::vector<ThirdParty> list = {
      {QStringLiteral("Qt 6 (Core, Gui, Widgets, PrintSupport, Svg)"),
       QStringLiteral("LGPL-3.0-only, GPL-2.0-only ou GPL-3.0-only")},
      {QStringLiteral("Qt 6 Charts"), QStringLiteral("GPL-3.0-only")},
      {QStringLiteral("ICU"), QStringLiteral("licença ICU (Unicode, permissiva)")},
      {QStringLiteral("poppler (poppler-cpp)"), QStringLiteral("GPL-2.0-only ou GPL-3.0-only")},
      {QStringLiteral("libxlsxwriter"), QStringLiteral("BSD-2-Clause")},
      {QStringLiteral("libzip"), QStringLiteral("BSD-3-Clause")},
      {QStringLiteral("pugixml"), QStringLiteral("MIT")},
      {QStringLiteral("libstemmer (Snowball)"), QStringLiteral("BSD-3-Clause")},
      {QStringLiteral("Graphviz (neato e sfdp, programas executados à parte)"), QStringLiteral("EPL-1.0")},
  };
  return list;
}

TSobre::TSobre(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Sobre"));
  setWindowTitle(QStringLiteral("Sobre o Lumeral"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(20, 16, 20, 16);

  auto* top = new QHBoxLayout;
  auto* logo = new QLabel(this);
  logo->setPixmap(QPixmap(QStringLiteral(":/shell/lumeral.png")));
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addSpacing(12);
  auto* head = new QVBoxLayout;
  lb_versao = heading(QStringLiteral("Lumeral ") + program_version(), this, 6);
  head->addWidget(lb_versao);
  auto* resumo = new QLabel(
      QStringLiteral("Bancada de mineração de textos para coleções em português, inglês e espanhol."), this);
  resumo->setWordWrap(true);
  head->addWidget(resumo);
  top->addLayout(head, 1);
  v->addLayout(top);
  v->addSpacing(8);

  lb_licenca = new QLabel(
      QStringLiteral("O Lumeral é software livre, distribuído sob a Licença Pública Geral GNU, versão 3 ou (a seu "
                     "critério) qualquer versão posterior (GPL-3.0-or-later), sem nenhuma garantia. O texto da "
                     "licença está em /usr/share/common-licenses/GPL-3 e os termos de cada componente, em "
                     "%1/copyright.")
          .arg(QStringLiteral(LUMERAL_DOC_DIR)),
      this);
  lb_licenca->setWordWrap(true);
  lb_licenca->setTextInteractionFlags(Qt::TextSelectableByMouse);
  v->addWidget(lb_licenca);
  v->addSpacing(6);

  v->addWidget(new QLabel(QStringLiteral("Bibliotecas e programas que o Lumeral usa, cada um sob a sua licença:"),
                          this));
  const auto& list = third_parties();
  tb_bibliotecas = new QTableWidget(static_cast<int>(list.size()), 2, this);
  tb_bibliotecas->setHorizontalHeaderLabels({QStringLiteral("Componente"), QStringLiteral("Licença")});
  tb_bibliotecas->verticalHeader()->hide();
  tb_bibliotecas->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tb_bibliotecas->setSelectionMode(QAbstractItemView::NoSelection);
  tb_bibliotecas->setFocusPolicy(Qt::NoFocus);
  tb_bibliotecas->setWordWrap(false);
  for (int row = 0; row < static_cast<int>(list.size()); ++row) {
    tb_bibliotecas->setItem(row, 0, new QTableWidgetItem(list[row].name));
    tb_bibliotecas->setItem(row, 1, new QTableWidgetItem(list[row].licence));
  }
  // Every row shown whole: the table is as large as its contents.
  tb_bibliotecas->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tb_bibliotecas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tb_bibliotecas->horizontalHeader()->setStretchLastSection(true);
  tb_bibliotecas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tb_bibliotecas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tb_bibliotecas->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  tb_bibliotecas->resizeColumnsToContents();
  tb_bibliotecas->resizeRowsToContents();
  v->addWidget(tb_bibliotecas, 1);
  v->addSpacing(6);

  // A link once the guide is there; its place either way.
  const QString guia = guide_folder();
  const QString onde = QDir(guia).exists()
                           ? QStringLiteral("<a href=\"%1\">%2</a>")
                                 .arg(QUrl::fromLocalFile(guia).toString(QUrl::FullyEncoded), guia.toHtmlEscaped())
                           : guia.toHtmlEscaped();
  lb_guia = new QLabel(QStringLiteral("Guia do usuário: %1 (no código-fonte, em docs/guia).").arg(onde), this);
  lb_guia->setWordWrap(true);
  lb_guia->setTextFormat(Qt::RichText);
  lb_guia->setOpenExternalLinks(true);
  v->addWidget(lb_guia);

  auto* h = new QHBoxLayout;
  h->addStretch();
  bt_fechar = new QPushButton(QStringLiteral("Fechar"), this);
  bt_fechar->setDefault(true);
  h->addWidget(bt_fechar);
  v->addLayout(h);
  connect(bt_fechar, &QPushButton::clicked, this, &QDialog::accept);
  // The wrapped texts take the table's width.
  setMinimumWidth(tb_bibliotecas->sizeHint().width() + v->contentsMargins().left() + v->contentsMargins().right());
  adjustSize();
}

void open_about_box(QWidget* owner, TSobre*& box) {
  if (!box) box = new TSobre(owner);
  box->open();
  box->raise();
  box->activateWindow();
}

}  // namespace lumeral::gui
