// lumeral-cli: every analysis of the workbench for batch and scripted use.
#include <iostream>

#include "cli/command.h"

int main(int argc, char** argv) { return lumeral::cli::run(argc, argv, std::cout, std::cerr); }
