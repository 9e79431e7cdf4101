// lumeral-cli: every analysis of the workbench for batch and scripted use.
#include <csignal>
#include <iostream>

#include "cli/command.h"

int main(int argc, char** argv) {
  // Past a file-size limit (`ulimit -f`) a write then fails with an error
  // the command reports and cleans up after, instead of the process being
  // killed half-way with a damaged file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  return lumeral::cli::run(argc, argv, std::cout, std::cerr);
}
