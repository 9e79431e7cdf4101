// The layout of Tform_rede_termos: the network, the shared buttons and the
// number of pairs drawn.
#include <QBoxLayout>
#include <QHBoxLayout>

#include "core/charts/network.h"
#include "gui/association/rede_termos.h"

namespace lumeral::gui {

void Tform_rede_termos::build_layout() {
  setWindowTitle(QStringLiteral("Rede de Co-ocorrência de Termos"));
  QBoxLayout* side = nullptr;
  build_network_layout(side);
  auto* row = new QHBoxLayout;
  lb_pares = new QLabel(QStringLiteral("Pares mais fortes:"), centralWidget());
  SpinEdit_pares = new QSpinBox(centralWidget());
  SpinEdit_pares->setObjectName(QStringLiteral("SpinEdit_pares"));
  SpinEdit_pares->setRange(1, 2000);
  SpinEdit_pares->setValue(static_cast<int>(charts::kDefaultStrongestPairs));
  SpinEdit_pares->setKeyboardTracking(false);
  row->addWidget(lb_pares);
  row->addWidget(SpinEdit_pares);
  side->insertLayout(0, row);
  auto* hint = new QLabel(QStringLiteral("Clique em uma palavra para ver as frases em que ela aparece"), centralWidget());
  hint->setWordWrap(true);
  hint->setMaximumWidth(220);
  side->addSpacing(12);
  side->addWidget(hint);
  side->addStretch();
}

}  // namespace lumeral::gui
