# Installs into a scratch prefix and checks what the desktop sees there: a valid desktop entry,
# the icons, the help file in share/qeldraw (nothing but the program in bin/), a program that runs
# and tells its version, and .drf files typed as ours.
# BUILD: the build folder; WORK: a scratch folder; VERSION: the project's version.

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
run("install" "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}")

foreach(file bin/qeldraw share/qeldraw/QelDraw.hlp share/applications/qeldraw.desktop
             share/mime/packages/qeldraw.xml share/icons/hicolor/16x16/apps/qeldraw.png
             share/icons/hicolor/256x256/apps/qeldraw.png
             share/icons/hicolor/48x48/mimetypes/application-x-qeldraw.png)
  if(NOT EXISTS "${prefix}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(GLOB programs RELATIVE "${prefix}/bin" "${prefix}/bin/*")
if(NOT programs STREQUAL "qeldraw")
  message(FATAL_ERROR "bin/ holds ${programs}")
endif()

run("desktop-file-validate" desktop-file-validate "${prefix}/share/applications/qeldraw.desktop")
if(NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate says:\n${output}")
endif()
file(STRINGS "${prefix}/share/applications/qeldraw.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${prefix}/bin/qeldraw %F")
  message(FATAL_ERROR "unexpected ${exec}")
endif()

# The installed program runs from its new place.
file(WRITE "${WORK}/x.drf" "2801E0\r\n 0BLANK\r\n")
run("installed program" "${prefix}/bin/qeldraw" --export "${WORK}/x.drf" "${WORK}/x.bmp")
run("--version" "${prefix}/bin/qeldraw" --version)
if(NOT output STREQUAL "Qel Draw ${VERSION}\n")
  message(FATAL_ERROR "--version says '${output}'")
endif()

run("update-mime-database" update-mime-database "${prefix}/share/mime")
# The generic lookup (no desktop session) reads the shared MIME database of the prefix only.
run("xdg-mime" "${CMAKE_COMMAND}" -E env --unset=XDG_CURRENT_DESKTOP --unset=KDE_FULL_SESSION
    --unset=GNOME_DESKTOP_SESSION_ID --unset=DESKTOP_SESSION DE=generic
    "XDG_DATA_HOME=${prefix}/share" "XDG_DATA_DIRS=${prefix}/share"
    xdg-mime query filetype "${WORK}/x.drf")
string(STRIP "${output}" type)
if(NOT type STREQUAL "application/x-qeldraw")
  message(FATAL_ERROR "xdg-mime gives '${type}' for x.drf")
endif()
