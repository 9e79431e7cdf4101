# The Debian packages: `make package` builds, with cpack's DEB generator,
# one package per install component (packaging/install.cmake):
#   lumeral-cli_<version>_amd64.deb  the command line, stopword lists, sample
#   lumeral_<version>_amd64.deb      the desktop program and the chart
#                                    program; depends on lumeral-cli of the
#                                    same version and on graphviz
#
# The programs look for the standard stopword lists in the data folder of
# the prefix they were configured with, so the packages install under that
# same prefix; a package whose prefix is not /usr is refused at packaging
# time (see check-prefix.cmake.in) rather than built with lists the installed
# programs would not find. The libraries each package depends on are
# computed from the programs it carries by dpkg-shlibdeps, not written here.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "lumeral")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Equipe Lumeral <equipe@lumeral.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the machine that packages.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_COMPONENTS_ALL cli)
if(LUMERAL_GUI)
  list(APPEND CPACK_COMPONENTS_ALL desktop)
endif()

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# ---- lumeral-cli
set(CPACK_DEBIAN_CLI_PACKAGE_NAME "lumeral-cli")
set(CPACK_DEBIAN_CLI_DESCRIPTION
  "mineração de textos em lote: a linha de comando do Lumeral
O Lumeral é uma bancada de mineração de textos para coleções de documentos
em português, inglês e espanhol. Este pacote traz a ferramenta de linha de
comando lumeral-cli: ela prepara coleções (HTML vira texto, um arquivo
grande é separado em documentos, cada documento ganha uma lista de palavras
sem stopwords) e, sobre uma ontologia de contextos, classifica, calcula
freqüências de conceitos e regras de associação, centróides e diferenças,
recuperação booleana e por similaridade, resumos, agrupamentos e
avaliações.
.
Traz também as listas de stopwords padrão e uma coleção de exemplo em
/usr/share/lumeral/examples. Não usa Qt nem X, e serve a servidores e a
nós de cluster; o programa de janelas está no pacote lumeral.")

# ---- lumeral
set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME "lumeral")
set(CPACK_DEBIAN_DESKTOP_DESCRIPTION
  "bancada de mineração de textos em janelas
O Lumeral é uma bancada de mineração de textos para coleções de documentos
em português, inglês e espanhol. Este pacote traz o programa de janelas
lumeral: assistentes conduzem um projeto passo a passo (configurar,
preparar os textos, escolher ou criar a ontologia, minerar freqüências de
conceitos e associações) e, no modo clássico, cada análise abre em sua
própria janela, com tabelas, gráficos e redes.
.
Traz também o lumeral-chart, que desenha os gráficos do comando
lumeral-cli chart. As redes são dispostas pelos programas do Graphviz.")
set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS "lumeral-cli (= ${PROJECT_VERSION}), graphviz")
# The Portuguese texts of Qt's own dialogs (file choosers, print dialogs).
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(LUMERAL_CONFIGURED_PREFIX "${CMAKE_INSTALL_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/check-prefix.cmake.in
  ${CMAKE_BINARY_DIR}/CPackCheckPrefix.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/CPackCheckPrefix.cmake")

include(CPack)
