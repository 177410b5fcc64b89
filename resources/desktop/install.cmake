# Run by `cmake --install`: writes the desktop entry with the program's installed path, so that
# file managers start it wherever it went, then refreshes the MIME database of the prefix (a
# Debian package built by CPack installs with DESTDIR: there the triggers of shared-mime-info and
# desktop-file-utils refresh the databases).
# QEL_SOURCE (this folder), QEL_WORK (a build folder), QEL_BINDIR and QEL_UPDATE_MIME are set by
# the install rules.
set(QEL_PROGRAM "${CMAKE_INSTALL_PREFIX}/${QEL_BINDIR}/qeldraw")
# A path the desktop entry would have to quote falls back to the name looked up on PATH.
if(NOT QEL_PROGRAM MATCHES "^[A-Za-z0-9/._+-]+$")
  set(QEL_PROGRAM qeldraw)
endif()
# One scratch copy per destination: a package being made and an install elsewhere may run at once.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(entry "${QEL_WORK}/desktop-entries/${destination}/qeldraw.desktop")
configure_file("${QEL_SOURCE}/qeldraw.desktop.in" "${entry}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${entry}")

# A staged install (DESTDIR) leaves the database to the triggers of the system that installs it.
if(QEL_UPDATE_MIME AND "$ENV{DESTDIR}" STREQUAL "")
  execute_process(COMMAND "${QEL_UPDATE_MIME}" "${CMAKE_INSTALL_PREFIX}/share/mime"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(WARNING "update-mime-database a échoué : ${result}")
  endif()
endif()
