// Commands "dump" and "make": record files to text lines and back (the
// conversion is the core's, core/records/record_text.h).
#include <iostream>
#include <iterator>

#include "cli/command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/record_text.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::records;

Kind kind_of(const std::filesystem::path& file, const std::string& forced) {
  std::string ext = forced;
  if (ext.empty()) {
    ext = extension_of(file);
    for (char& c : ext) c = lower_az(c);
  }
  if (const KindInfo* k = find_kind(ext)) return k->kind;
  std::string names;
  for (const auto& k : record_kinds()) names += " " + std::string(k.extension);
  throw Stop("Tipo de arquivo desconhecido: \"" + ext + "\". Use --as com um destes:" + names + ".");
}

Registrar dump_cmd(10, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "dump", "Mostra os registros de um arquivo de registros, um por linha, campos separados por tabulação");
  auto file = std::make_shared<std::string>();
  auto as = std::make_shared<std::string>();
  auto size = std::make_shared<long>(0);
  sub->add_option("ARQUIVO", *file, "Arquivo de registros (.ldc .lpl .stw .lct .ctt .mtz .dif .dfc .cst .csb .ass .msm)")
      ->required();
  sub->add_option("--as", *as, "Força o tipo do arquivo (extensão sem ponto)");
  sub->add_option("--size", *size, "Tamanho N da matriz .msm (padrão: raiz quadrada do número de valores)");
  return [=](Env& env) {
    std::filesystem::path path = arg_path(*file);
    dump_file(path, kind_of(path, *as), *size > 0 ? static_cast<std::size_t>(*size) : 0,
              [&](std::string_view line) { env.line_utf8(line); });
  };
});

Registrar make_cmd(11, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "make", "Grava um arquivo de registros a partir de linhas no formato de \"dump\" lidas da entrada padrão");
  auto file = std::make_shared<std::string>();
  auto as = std::make_shared<std::string>();
  sub->add_option("ARQUIVO", *file, "Arquivo a gravar")->required();
  sub->add_option("--as", *as, "Força o tipo do arquivo (extensão sem ponto)");
  return [=](Env& env) {
    std::filesystem::path path = arg_path(*file);
    Kind kind = kind_of(path, *as);
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    make_file(path, kind, decode_document(input), env.regional());
  };
});

}  // namespace
}  // namespace lumeral::cli
