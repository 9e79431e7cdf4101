// `lumeral-cli chart ...`: the pictures are drawn by a separate program,
// lumeral-chart (installed with the desktop program), so that the command
// line links no graphical library. This command hands every argument, as
// typed, to that program, which then takes the place of this process: its
// output, messages, exit status and Ctrl-C are the command's own.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"

namespace lumeral::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kChartProgram = "lumeral-chart";

// lumeral-chart beside this program first (an installed pair, or a build
// folder), else on the PATH; empty when neither has it.
fs::path chart_program() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path beside = self.parent_path() / kChartProgram;
    if (::access(beside.c_str(), X_OK) == 0) return beside;
  }
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    if (end > start) {
      fs::path candidate = fs::path(folders.substr(start, end - start)) / kChartProgram;
      if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    start = end + 1;
  }
  return {};
}

Registrar chart_cmd(90, [](CLI::App& app) -> Handler {
  auto* chart = app.add_subcommand("chart", "Gráficos dos resultados em arquivo SVG, PNG ou PDF");
  chart->prefix_command();
  chart->set_help_flag();
  return [](Env& env) {
    const fs::path program = chart_program();
    if (program.empty()) {
      throw Stop(
          "O comando chart desenha com o programa lumeral-chart, que não está instalado. Ele vem no pacote "
          "lumeral (o programa de janelas): instale-o com \"apt install lumeral\".");
    }
    std::vector<std::string> arguments = env.arguments();
    std::vector<char*> argv;
    std::string name = program.string();
    argv.push_back(name.data());
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    env.out().flush();
    std::cout.flush();
    std::cerr.flush();
    ::execv(name.c_str(), argv.data());
    throw Stop("Não foi possível executar " + message_name(program) + ": " + system_reason(errno));
  };
});

}  // namespace
}  // namespace lumeral::cli
