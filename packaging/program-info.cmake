# What the desktop program says about itself: its version (`lumeral
# --version`, the about box) is the project's, and its help and about box
# name the installed data folder, the documentation folder (licence terms)
# and the user guide's folder. Given to
# those two files alone, so a new version recompiles only them.
if(LUMERAL_GUI)
  set(LUMERAL_GUIDE_INSTALL_DIR "${LUMERAL_DATA_INSTALL_DIR}/guia")
  set_property(SOURCE src/app/main.cpp src/gui/shell/sobre.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    "LUMERAL_VERSION=\"${PROJECT_VERSION}\""
    "LUMERAL_GUIDE_DIR=\"${LUMERAL_GUIDE_INSTALL_DIR}\"")
  set_property(SOURCE src/app/main.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    "LUMERAL_DATA_INSTALL_DIR=\"${LUMERAL_DATA_INSTALL_DIR}\"")
  set_property(SOURCE src/gui/shell/sobre.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    "LUMERAL_DOC_DIR=\"${CMAKE_INSTALL_FULL_DOCDIR}\"")
endif()
