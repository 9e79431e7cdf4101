// lumeral-chart: the pictures of `lumeral-cli chart KIND ... --out FILE`,
// drawn offscreen with the desktop program's chart library. lumeral-cli
// runs this program with its own arguments, so the command line itself
// links no graphical library; this program knows only the `chart` command.
#include <csignal>
#include <iostream>

#include "cli/command.h"

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past `ulimit -f` fails and is reported
  return lumeral::cli::run(argc, argv, std::cout, std::cerr);
}
