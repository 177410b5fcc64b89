# Makes the Debian package as `cpack -G DEB` does and checks it: the files and their places, the
# control fields (dependencies found by dpkg-shlibdeps), and, unpacked, a valid metainfo file, a
# valid desktop entry that starts /usr/bin/qeldraw, a readable manual page and a program that runs.
# BUILD: the build folder (already built); WORK: a scratch folder; VERSION: the project's version.

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("dpkg-deb absent : le paquet Debian n'est pas vérifié")
  return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# The staging folders go to WORK, not into the build folder.
run("cpack" "${CMAKE_COMMAND}" -E chdir "${BUILD}" cpack -G DEB -B "${WORK}")
run("dpkg" dpkg --print-architecture)
string(STRIP "${output}" arch)
set(deb "${WORK}/qeldraw_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  message(FATAL_ERROR "no ${deb}")
endif()

run("dpkg-deb -f" "${DPKG_DEB}" -f "${deb}" Package Version Section Maintainer Depends)
foreach(expected "Package: qeldraw\n" "Version: ${VERSION}\n" "Section: graphics\n"
        "Maintainer: [^\n]+<[^\n]+@[^\n]+>\n" "Depends: [^\n]*libqt6widgets6[^\n]*\n")
  if(NOT output MATCHES "${expected}")
    message(FATAL_ERROR "the control fields lack '${expected}':\n${output}")
  endif()
endforeach()

# Every file under /usr, where Debian wants it; no MIME database of ours (the triggers make it).
run("dpkg-deb -c" "${DPKG_DEB}" -c "${deb}")
string(REGEX MATCHALL "\\./[^\n]*[^/\n]\n" listed "${output}")
string(REPLACE "\n" "" listed "${listed}")
list(SORT listed)
set(icons)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND icons ./usr/share/icons/hicolor/${size}x${size}/apps/qeldraw.png
       ./usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-qeldraw.png)
endforeach()
set(expected ./usr/bin/qeldraw ./usr/share/qeldraw/QelDraw.hlp
    ./usr/share/applications/qeldraw.desktop ./usr/share/mime/packages/qeldraw.xml
    ./usr/share/metainfo/org.example.qeldraw.metainfo.xml ./usr/share/man/man1/qeldraw.1.gz
    ./usr/share/doc/qeldraw/copyright ./usr/share/doc/qeldraw/changelog.gz ${icons})
list(SORT expected)
if(NOT listed STREQUAL expected)
  message(FATAL_ERROR "the package holds:\n${listed}\ninstead of:\n${expected}")
endif()

set(root "${WORK}/root")
run("dpkg-deb -x" "${DPKG_DEB}" -x "${deb}" "${root}")
run("appstreamcli" appstreamcli validate --no-net
    "${root}/usr/share/metainfo/org.example.qeldraw.metainfo.xml")
run("desktop-file-validate" desktop-file-validate "${root}/usr/share/applications/qeldraw.desktop")
if(NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate says:\n${output}")
endif()
file(STRINGS "${root}/usr/share/applications/qeldraw.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=/usr/bin/qeldraw %F")
  message(FATAL_ERROR "unexpected ${exec}")
endif()
run("man" "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANWIDTH=80
    man --warnings -l "${root}/usr/share/man/man1/qeldraw.1.gz")
if(NOT output MATCHES "--export ENTRÉE SORTIE" OR output MATCHES "warning")
  message(FATAL_ERROR "the manual page reads:\n${output}")
endif()
run("packaged program" "${root}/usr/bin/qeldraw" --version)
if(NOT output STREQUAL "Qel Draw ${VERSION}\n")
  message(FATAL_ERROR "--version says '${output}'")
endif()
