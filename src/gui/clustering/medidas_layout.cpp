#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/clustering/medidas.h"

namespace lumeral::gui {

void Tform_medidas::build_layout() {
  setWindowTitle(QStringLiteral("Calcula Precision e Recall"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 12, 12, 12);

  auto* lists = new QGridLayout;
  Button_ideal = new QPushButton(QStringLiteral("Abre lista ideal"), this);
  Button_ideal->setObjectName(QStringLiteral("Button_ideal"));
  Edit_ideal = new QLineEdit(this);
  Edit_ideal->setObjectName(QStringLiteral("Edit_ideal"));
  Edit_ideal->setReadOnly(true);
  Button_resultados = new QPushButton(QStringLiteral("Abre lista de resultados"), this);
  Button_resultados->setObjectName(QStringLiteral("Button_resultados"));
  Edit_resultados = new QLineEdit(this);
  Edit_resultados->setObjectName(QStringLiteral("Edit_resultados"));
  Edit_resultados->setReadOnly(true);
  lists->addWidget(Button_ideal, 0, 0, Qt::AlignLeft);
  lists->addWidget(Edit_ideal, 1, 0);
  lists->addWidget(Button_resultados, 0, 1, Qt::AlignLeft);
  lists->addWidget(Edit_resultados, 1, 1);
  lists->setHorizontalSpacing(16);
  outer->addLayout(lists);

  Button_calcula = new QPushButton(QStringLiteral("Calcula"), this);
  Button_calcula->setObjectName(QStringLiteral("Button_calcula"));
  outer->addWidget(Button_calcula, 0, Qt::AlignLeft);

  auto* out = new QGridLayout;
  out->setHorizontalSpacing(10);
  auto output = [&](int row, const QString& caption, const char* name) {
    out->addWidget(new QLabel(caption, this), row, 0);
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setMaximumWidth(110);
    out->addWidget(field, row, 1);
    return field;
  };
  Edit_categoria = output(0, QStringLiteral("Total  de docs na categoria"), "Edit_categoria");
  Edit_recuperados = output(1, QStringLiteral("Total  de docs recuperados/classificados"), "Edit_recuperados");
  Edit_certos = output(2, QStringLiteral("Certos"), "Edit_certos");
  Edit_errados = output(3, QStringLiteral("Errados"), "Edit_errados");
  Edit_precision = output(4, QStringLiteral("Precision"), "Edit_precision");
  Edit_recall = output(5, QStringLiteral("Recall"), "Edit_recall");
  out->setColumnStretch(2, 1);
  outer->addLayout(out);
  outer->addStretch();
  resize(640, 340);
}

}  // namespace lumeral::gui
