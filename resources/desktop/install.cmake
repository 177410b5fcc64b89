# Run by `cmake --install`: writes the desktop entry with the program's installed path, so that
# file managers start it wherever it went, then refreshes the MIME database of the prefix.
# QEL_SOURCE (this folder), QEL_WORK (a build folder), QEL_BINDIR and QEL_UPDATE_MIME are set by
# the install rules.
set(QEL_PROGRAM "${CMAKE_INSTALL_PREFIX}/${QEL_BINDIR}/qeldraw")
# A path the desktop entry would have to quote falls back to the name looked up on PATH.
if(NOT QEL_PROGRAM MATCHES "^[A-Za-z0-9/._+-]+$")
  set(QEL_PROGRAM qeldraw)
endif()
set(entry "${QEL_WORK}/qeldraw.desktop")
configure_file("${QEL_SOURCE}/qeldraw.desktop.in" "${entry}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${entry}")

# A staged install (DESTDIR) leaves the database to the package's own triggers.
if(QEL_UPDATE_MIME AND "$ENV{DESTDIR}" STREQUAL "")
  execute_process(COMMAND "${QEL_UPDATE_MIME}" "${CMAKE_INSTALL_PREFIX}/share/mime"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(WARNING "update-mime-database a échoué : ${result}")
  endif()
endif()
