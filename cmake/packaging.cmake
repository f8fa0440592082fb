# SPDX-License-Identifier: MIT
# Installing korru as a desktop application (programs, menu entry, icons, AppStream entry, manual
# pages, copyright file) and packing it as a Debian package with CPack. The version is the project
# version and the application id is KORRU_APP_ID, both set with the project; configure_file
# carries them into every file. The checks of all this are registered in tests/packaging.

include(GNUInstallDirs)

# The date of the release that PROJECT_VERSION names, for the AppStream entry and the manual pages.
set(KORRU_RELEASE_DATE "2026-12-07")
# Who answers for the package. There is no mailing address to give, so it is the authors' name.
set(KORRU_MAINTAINER "The korru authors")

set(_pkg_out ${CMAKE_BINARY_DIR}/packaging)
# Where the raster icons are drawn (below), in the hicolor theme's layout; the icon checks read
# them there.
set(KORRU_ICON_DIR ${_pkg_out}/icons/hicolor)

# --- programs, and the desktop entry and AppStream entry that come with the window --------------
install(TARGETS korru-snapshot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(packaging/korru.desktop.in ${_pkg_out}/${KORRU_APP_ID}.desktop @ONLY)
configure_file(packaging/korru.metainfo.xml.in ${_pkg_out}/${KORRU_APP_ID}.metainfo.xml @ONLY)
if(TARGET korru)
  install(TARGETS korru RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_pkg_out}/${KORRU_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pkg_out}/${KORRU_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# --- manual pages, compressed as Debian wants them ------------------------------------------------
set(_man_pages korru-snapshot)
if(TARGET korru)
  list(APPEND _man_pages korru)
endif()
set(_man_gz)
foreach(page IN LISTS _man_pages)
  configure_file(packaging/${page}.1.in ${_pkg_out}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${_pkg_out}/${page}.1.gz
    COMMAND gzip -9 -n -c ${_pkg_out}/${page}.1 > ${_pkg_out}/${page}.1.gz
    DEPENDS ${_pkg_out}/${page}.1
    COMMENT "Compressing the manual page ${page}(1)" VERBATIM)
  list(APPEND _man_gz ${_pkg_out}/${page}.1.gz)
endforeach()
add_custom_target(korru_man_pages ALL DEPENDS ${_man_gz})
install(FILES ${_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- icons: the pixel art at whole multiples of its size, and the vector drawing ------------------
set(KORRU_ICON_SIZES 32 64 128 256)
find_package(Qt6 QUIET COMPONENTS Gui)
if(TARGET Qt6::Gui)
  add_executable(korru-icon-png packaging/icon_png.cpp)
  target_include_directories(korru-icon-png PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(korru-icon-png PRIVATE Qt6::Gui)
  set(_icon_pngs)
  foreach(size IN LISTS KORRU_ICON_SIZES)
    set(_dir icons/hicolor/${size}x${size}/apps)
    set(_png ${_pkg_out}/${_dir}/${KORRU_APP_ID}.png)
    add_custom_command(OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_pkg_out}/${_dir}
      COMMAND korru-icon-png ${size} ${_png}
      DEPENDS korru-icon-png ${PROJECT_SOURCE_DIR}/assets/icon.xpm
      COMMENT "Drawing the ${size}x${size} icon" VERBATIM)
    if(TARGET korru)
      install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/${_dir})
    endif()
    list(APPEND _icon_pngs ${_png})
  endforeach()
  add_custom_target(korru_icons ALL DEPENDS ${_icon_pngs})
else()
  message(STATUS "Qt 6 Gui not found: the raster icons are not built or installed")
endif()
if(TARGET korru)
  install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${KORRU_APP_ID}.svg)
endif()

# --- copyright: LICENSE as a machine-readable Debian copyright file -------------------------------
# With the programs whether or not there is a window, so every installation carries its licence.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _license)
if(NOT _license MATCHES "^MIT License\n" OR NOT _license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n")
  message(FATAL_ERROR "LICENSE is not the MIT licence with one copyright line")
endif()
set(KORRU_COPYRIGHT_HOLDERS "${CMAKE_MATCH_1}")
string(FIND "${_license}" "Permission is hereby granted" _start)
string(SUBSTRING "${_license}" ${_start} -1 _license)
string(STRIP "${_license}" _license)
# In the copyright file the text continues the License field: each line indented by one space,
# and each empty line written as a lone full stop.
while(_license MATCHES "\n\n")
  string(REPLACE "\n\n" "\n.\n" _license "${_license}")
endwhile()
string(REPLACE "\n" "\n " KORRU_LICENSE_TEXT " ${_license}")
file(CONFIGURE OUTPUT ${_pkg_out}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: korru

Files: *
Copyright: @KORRU_COPYRIGHT_HOLDERS@
License: MIT
@KORRU_LICENSE_TEXT@
")
install(FILES ${_pkg_out}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- Debian package ------------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korru)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The korru authors")
set(CPACK_PACKAGE_CONTACT "${KORRU_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convex lens on an optical bench, for the physics classroom")
set(CPACK_PACKAGE_DESCRIPTION
"Tavensu puts a thin convex lens and a candle on an optical bench. The arrow
buttons move the candle, and the window shows where its image forms: a real,
inverted image on a screen behind the lens, an enlarged upright virtual image
on the candle's side, or none with the candle on the focal point. The screen,
the principal rays, the focal points and a grid can be shown. Labels are in
Japanese.

The package also holds korru-snapshot, which replays clicks on the same window
and writes the result as JSON, as a picture or as a vector drawing.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; the window's fonts and the toolkit's catalogues (the
# words of its dialogs) are no libraries, so they are named: the Japanese Gothic face, and
# Debian's Noto faces for Chinese and Korean (fonts-noto-cjk) and for Vietnamese and Nepali's
# Devanagari (fonts-noto-core).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-noto-cjk, fonts-noto-core, qt6-translations-l10n")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
