# The Debian package: `make package` builds lumeral_<version>_amd64.deb in
# the build folder with cpack's DEB generator.
#
# The programs look for the standard stopword lists in the data folder of
# the prefix they were configured with, so the package installs under that
# same prefix; a package whose prefix is not /usr is refused at packaging
# time (see check-prefix.cmake.in) rather than built with lists the installed
# programs would not find. The dependencies are computed from the linked
# libraries by dpkg-shlibdeps, not written here.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "lumeral")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Equipe Lumeral <equipe@lumeral.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "bancada de mineração de textos para coleções em português, inglês e espanhol")
set(CPACK_PACKAGE_DESCRIPTION
  "Prepara coleções de documentos (HTML vira texto, um arquivo grande é\n\
separado em documentos, cada documento ganha uma lista de palavras sem\n\
stopwords) e, sobre uma ontologia de contextos, classifica, calcula\n\
freqüências de conceitos e regras de associação, centróides e diferenças,\n\
recuperação booleana e por similaridade, resumos, agrupamentos e\n\
avaliações. Traz o programa de janelas lumeral, a ferramenta de linha de\n\
comando lumeral-cli, as listas de stopwords padrão e uma coleção de\n\
exemplo em /usr/share/lumeral/examples.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Portuguese texts of Qt's own dialogs (file choosers, print dialogs).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(LUMERAL_CONFIGURED_PREFIX "${CMAKE_INSTALL_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/check-prefix.cmake.in
  ${CMAKE_BINARY_DIR}/CPackCheckPrefix.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/CPackCheckPrefix.cmake")

include(CPack)
