# What `cmake --install` installs, and where. Included from the top-level
# CMakeLists.txt after every target is defined, so the targets are known.
#
# Every file belongs to one component, and each component is one Debian
# package (packaging/package.cmake):
#   cli      lumeral-cli: the command line, the standard stopword lists
#            (data/CMakeLists.txt), the sample collection, lumeral-cli(1);
#            nothing of Qt or X.
#   desktop  lumeral: the desktop program, the chart program, the desktop
#            entry, its icon, the AppStream metadata, lumeral(1) and the
#            user guide.
# Each package has the licence and the changelog in its own
# /usr/share/doc/<package>.
include(${CMAKE_CURRENT_LIST_DIR}/program-info.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/docs.cmake)

set(LUMERAL_CLI_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/lumeral-cli")
set(LUMERAL_MAN1DIR "${CMAKE_INSTALL_MANDIR}/man1")

# ---- lumeral-cli
install(TARGETS lumeral-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(DIRECTORY examples/noticias examples/arquivo-unico examples/ontologia
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeral/examples COMPONENT cli)
install(FILES examples/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeral/examples COMPONENT cli)
install(FILES "${LUMERAL_CLI_MANPAGE}" DESTINATION ${LUMERAL_MAN1DIR} COMPONENT cli)
install(FILES packaging/copyright "${LUMERAL_PACKAGING_DIR}/changelog.gz"
  DESTINATION ${LUMERAL_CLI_DOCDIR} COMPONENT cli)

# ---- lumeral
if(LUMERAL_GUI)
  install(TARGETS lumeral RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
  install(FILES src/app/lumeral.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
  install(FILES src/app/lumeral.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    COMPONENT desktop)
  install(FILES "${LUMERAL_METAINFO}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
  install(FILES "${LUMERAL_GUI_MANPAGE}" DESTINATION ${LUMERAL_MAN1DIR} COMPONENT desktop)
  install(FILES packaging/copyright "${LUMERAL_PACKAGING_DIR}/changelog.gz"
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT desktop)
  # The user guide, where the about box and lumeral(1) say it is: in the
  # data folder, not under /usr/share/doc, because the program reads it (the
  # guide viewer) and systems may leave /usr/share/doc out.
  if(EXISTS ${CMAKE_SOURCE_DIR}/docs/guia)
    install(DIRECTORY docs/guia/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeral/guia COMPONENT desktop)
  endif()

  # The chart program run by `lumeral-cli chart`, installed beside it. Looked
  # for once the whole top-level file has been read, so the rule does not
  # depend on where the target is defined.
  function(lumeral_install_chart_program)
    if(TARGET lumeral-chart)
      install(TARGETS lumeral-chart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
      install(FILES "${LUMERAL_PACKAGING_DIR}/lumeral-chart.1.gz" DESTINATION ${LUMERAL_MAN1DIR} COMPONENT desktop)
    endif()
  endfunction()
  cmake_language(DEFER CALL lumeral_install_chart_program)
endif()
