// `lumeral-cli chart KIND ... --out FILE.svg|png|pdf`: the pictures of the
// desktop program's chart windows, drawn offscreen. Each kind is a nested
// subcommand of `chart`, added by a ChartRegistrar in the file that draws
// it, like the top-level commands are added by a Registrar.
#pragma once

#include "cli/command.h"

namespace lumeral::cli {

struct ChartRegistrar {
  // `setup` adds one nested subcommand to the `chart` command and returns
  // its handler; `order` places it in the help listing.
  ChartRegistrar(int order, Setup setup);
};

// Makes sure a Qt application exists for drawing (offscreen unless a
// display platform was asked for). Chart handlers call it before drawing.
void ensure_drawing_application();

}  // namespace lumeral::cli
