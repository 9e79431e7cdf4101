// How the wizards' shared parts look: the step column and the welcome group.
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/shell/wizard_frame.h"

namespace lumeral::gui {

namespace {

StepLabel* step_image(const QString& resource, const QString& name, QWidget* parent) {
  auto* l = new StepLabel(parent);
  l->setPixmap(QPixmap(resource));
  l->setFixedSize(48, 48);
  l->setObjectName(name);
  return l;
}

}  // namespace

QWidget* WizardFrame::build_step_column(const QStringList& captions, int caption_width, QWidget* parent) {
  pn_passos = new QWidget(parent);
  pn_passos->setObjectName(QStringLiteral("pn_passos"));
  auto* v = new QVBoxLayout(pn_passos);
  v->setContentsMargins(4, 8, 8, 8);
  for (int i = 0; i < captions.size(); ++i) {
    auto* row = new QHBoxLayout;
    on_.push_back(step_image(QStringLiteral(":/shell/passo%1_on.png").arg(i + 1),
                             QStringLiteral("botao_%1_on").arg(i + 1), pn_passos));
    off_.push_back(step_image(QStringLiteral(":/shell/passo%1_off.png").arg(i + 1),
                              QStringLiteral("botao_%1_off").arg(i + 1), pn_passos));
    captions_.push_back(new StepLabel(captions[i], pn_passos));
    captions_.back()->setMinimumWidth(caption_width);
    row->addWidget(on_.back());
    row->addWidget(off_.back());
    row->addWidget(captions_.back(), 1);
    v->addLayout(row);
    v->addSpacing(6);
  }
  Animate1 = new QLabel(pn_passos);
  Animate1->setPixmap(QPixmap(QStringLiteral(":/shell/animacao.png")));
  v->addWidget(Animate1);
  v->addStretch();
  return pn_passos;
}

QGroupBox* WizardFrame::build_welcome(const QString& heading_text, bool logo, QWidget* parent) {
  GroupBox1 = new QGroupBox(parent);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* v = new QVBoxLayout(GroupBox1);
  v->setContentsMargins(30, 24, 30, 24);
  auto* title = new QHBoxLayout;
  if (logo) {
    auto* image = new QLabel(GroupBox1);
    image->setPixmap(QPixmap(QStringLiteral(":/shell/lumeral.png")));
    title->addWidget(image);
    title->addSpacing(12);
  }
  title->addWidget(heading(heading_text, GroupBox1, 6), 1);
  v->addLayout(title);
  v->addSpacing(16);
  RadioGroup2 = new RadioGroup(QStringLiteral("O que você gostaria de fazer?"),
                               {QStringLiteral("Começar um Novo Projeto"),
                                QStringLiteral("Continuar um Projeto já existente")},
                               0, GroupBox1);
  v->addWidget(RadioGroup2);
  auto* h = new QHBoxLayout;
  h->addStretch();
  bt_ok_bemvindo = command_button(QStringLiteral("OK"), QStringLiteral("Começa o projeto escolhido"), GroupBox1);
  bt_ok_bemvindo->setMinimumWidth(100);
  h->addWidget(bt_ok_bemvindo);
  v->addLayout(h);
  v->addStretch();
  return GroupBox1;
}

}  // namespace lumeral::gui
