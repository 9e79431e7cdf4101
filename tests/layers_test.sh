#!/usr/bin/env bash
# scripts/check-layers on a scratch source tree, one file and one include
# per case: the rule it must refuse or let through, however the include is
# written.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
# file (below gui/) | line written in it | expected exit status
while IFS='|' read -r file line expected; do
  [[ -n $file ]] || continue
  rm -rf "$scratch/gui"
  mkdir -p "$scratch/gui/$(dirname "$file")"
  printf '%s\n' "$line" >"$scratch/gui/$file"
  status=0
  output=$(bash "$here/scripts/check-layers" "$scratch/gui" 2>&1) || status=$?
  if [[ $status != "$expected" ]]; then
    echo "FALHA: $file com '$line': saída $status, esperada $expected"
    echo "$output"
    failures=$((failures + 1))
  elif [[ $expected == 1 ]] && ! grep -q "^$scratch/gui/$file:1: " <<<"$output"; then
    echo "FALHA: $file com '$line': a linha da violação não cita o arquivo"
    echo "$output"
    failures=$((failures + 1))
  fi
done <<'CASES'
base/form.cpp|#include "gui/shell/windows.h"|1
base/form.cpp|#include "gui/base/platform.h"|0
charts/mapa.cpp|#include "gui/clustering/clusterizacao.h"|1
charts/mapa.cpp|#include <gui/clustering/clusterizacao.h>|1
charts/mapa.cpp|  #  include "gui/clustering/clusterizacao.h"|1
charts/mapa.cpp|// #include "gui/clustering/clusterizacao.h"|0
charts/mapa.h|#include "gui/charts/chart_window.h"|0
charts/mapa.cpp|#include "gui/shell/windows.h"|0
charts/mapa.cpp|#include "gui/shell/barra_progresso.h"|0
charts/mapa.cpp|#include "gui/shell/mdi_form.h"|1
charts/mapa.cpp|#include "gui/shell/windows_extra.h"|1
shell/windows.cpp|#include "gui/clustering/clusterizacao.h"|0
novo/janela.cpp|#include "gui/base/form.h"|1
mining/minera.cpp|#include "gui/summaries/resumo.h"|1
mining/data_mining.cpp|#include "gui/shell/mdi_form.h"|1
CASES

if [[ $failures -gt 0 ]]; then
  exit 1
fi
