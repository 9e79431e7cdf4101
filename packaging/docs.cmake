# What the packages carry besides the programs, made at build time in
# <build>/packaging:
#   - the manual pages lumeral-cli.1.gz and lumeral.1.gz, written by
#     packaging/manpage from the programs' own help (`--help` of the program
#     and of each of its commands), so they never say other than the
#     programs do; they are remade whenever a program is relinked;
#   - changelog.gz, the Debian changelog (packaging/changelog) compressed as
#     Debian wants it;
#   - the AppStream metadata, with the release taken from the project's
#     version and the changelog's date.
find_program(GZIP_PROGRAM gzip REQUIRED)
find_program(BASH_PROGRAM bash REQUIRED)

set(LUMERAL_PACKAGING_DIR "${CMAKE_BINARY_DIR}/packaging")
file(MAKE_DIRECTORY "${LUMERAL_PACKAGING_DIR}")

# The changelog's top entry: its version and date (the release date of the
# manual pages and of the AppStream metadata).
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/changelog" changelog_lines)
list(GET changelog_lines 0 changelog_head)
string(REGEX MATCH "^[a-z0-9.+-]+ \\(([^)]+)\\)" _ "${changelog_head}")
set(LUMERAL_CHANGELOG_VERSION "${CMAKE_MATCH_1}")
set(LUMERAL_RELEASE_DATE "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day "${CMAKE_MATCH_1}")
    set(year "${CMAKE_MATCH_3}")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 1")
    string(LENGTH "${day}" day_digits)
    if(day_digits EQUAL 1)
      set(day "0${day}")
    endif()
    if(month LESS 10)
      set(month "0${month}")
    endif()
    set(LUMERAL_RELEASE_DATE "${year}-${month}-${day}")
    break()
  endif()
endforeach()
if(NOT LUMERAL_RELEASE_DATE)
  message(FATAL_ERROR "packaging/changelog: a primeira entrada não tem a linha \" -- nome <e-mail>  data\".")
endif()
# `make package` refuses a mismatch (check-prefix.cmake.in); a build only
# warns, so a version bump can be built before its changelog entry exists.
if(NOT LUMERAL_CHANGELOG_VERSION STREQUAL PROJECT_VERSION)
  message(WARNING "packaging/changelog começa pela versão ${LUMERAL_CHANGELOG_VERSION}, "
                  "mas o projeto é ${PROJECT_VERSION}: acrescente uma entrada ao changelog.")
endif()

add_custom_command(
  OUTPUT "${LUMERAL_PACKAGING_DIR}/changelog.gz"
  COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_CURRENT_LIST_DIR}/changelog" "${LUMERAL_PACKAGING_DIR}/changelog"
  COMMAND ${GZIP_PROGRAM} -9nf "${LUMERAL_PACKAGING_DIR}/changelog"
  DEPENDS "${CMAKE_CURRENT_LIST_DIR}/changelog"
  COMMENT "changelog.gz"
  VERBATIM)
set(LUMERAL_DOC_FILES "${LUMERAL_PACKAGING_DIR}/changelog.gz")

# lumeral-cli's page: the program, every command with its options, and the
# hand-written files section.
set(LUMERAL_CLI_MANPAGE "${LUMERAL_PACKAGING_DIR}/lumeral-cli.1.gz")
configure_file("${CMAKE_CURRENT_LIST_DIR}/lumeral-cli.extra.man.in" "${LUMERAL_PACKAGING_DIR}/lumeral-cli.extra.man"
  @ONLY)
add_custom_command(
  OUTPUT "${LUMERAL_CLI_MANPAGE}"
  COMMAND ${BASH_PROGRAM} "${CMAKE_CURRENT_LIST_DIR}/manpage" "${LUMERAL_CLI_MANPAGE}"
          $<TARGET_FILE:lumeral-cli> lumeral-cli "${PROJECT_VERSION}" "${LUMERAL_RELEASE_DATE}"
          "análise de coleções de textos, em lote e por scripts" "lumeral(1)"
          "${LUMERAL_PACKAGING_DIR}/lumeral-cli.extra.man"
  DEPENDS lumeral-cli "${CMAKE_CURRENT_LIST_DIR}/manpage" "${LUMERAL_PACKAGING_DIR}/lumeral-cli.extra.man"
  COMMENT "Página de manual lumeral-cli(1)"
  VERBATIM)
list(APPEND LUMERAL_DOC_FILES "${LUMERAL_CLI_MANPAGE}")

if(LUMERAL_GUI)
  # The desktop program answers --help and --version before Qt starts, so
  # this runs without a display.
  set(LUMERAL_GUI_MANPAGE "${LUMERAL_PACKAGING_DIR}/lumeral.1.gz")
  add_custom_command(
    OUTPUT "${LUMERAL_GUI_MANPAGE}"
    COMMAND ${BASH_PROGRAM} "${CMAKE_CURRENT_LIST_DIR}/manpage" "${LUMERAL_GUI_MANPAGE}"
            $<TARGET_FILE:lumeral> lumeral "${PROJECT_VERSION}" "${LUMERAL_RELEASE_DATE}"
            "bancada de mineração de textos em janelas" "lumeral-cli(1)"
    DEPENDS lumeral "${CMAKE_CURRENT_LIST_DIR}/manpage"
    COMMENT "Página de manual lumeral(1)"
    VERBATIM)
  list(APPEND LUMERAL_DOC_FILES "${LUMERAL_GUI_MANPAGE}")

  # The chart program is the engine of `lumeral-cli chart`: its page is
  # lumeral-cli's, whose "chart" section describes it.
  file(CREATE_LINK lumeral-cli.1.gz "${LUMERAL_PACKAGING_DIR}/lumeral-chart.1.gz" SYMBOLIC)

  set(LUMERAL_APPSTREAM_ID "invalid.lumeral.lumeral")
  set(LUMERAL_METAINFO "${LUMERAL_PACKAGING_DIR}/${LUMERAL_APPSTREAM_ID}.metainfo.xml")
  configure_file("${CMAKE_CURRENT_LIST_DIR}/lumeral.metainfo.xml.in" "${LUMERAL_METAINFO}" @ONLY)
endif()

add_custom_target(package_docs ALL DEPENDS ${LUMERAL_DOC_FILES})
