# What `cmake --install` installs, and where. Included from the top-level
# CMakeLists.txt after every target is defined, so the targets are known.
install(TARGETS lumeral-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(LUMERAL_GUI)
  install(TARGETS lumeral RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES src/app/lumeral.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES src/app/lumeral.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The sample collection and the licence.
install(DIRECTORY examples/noticias examples/arquivo-unico examples/ontologia
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeral/examples)
install(FILES examples/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeral/examples)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
