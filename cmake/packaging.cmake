# SPDX-License-Identifier: MIT
# Installing korru as a desktop application (programs, menu entry, icons, AppStream entry, manual
# pages) and packing it as a Debian package with CPack. The application id and the URLs are set
# here once; the version is the project version. configure_file carries them into every file.

include(GNUInstallDirs)

# KORRU_APP_ID (set with the project) is the reverse of the project's home on GitHub
# (organisation and repository "korru"); the desktop entry, the icons and the AppStream entry are
# all named after it.
set(KORRU_HOMEPAGE "https://github.com/korru/korru")
set(KORRU_SCREENSHOT_URL "https://raw.githubusercontent.com/korru/korru/main/docs/screenshot.png")
# The date of the release that PROJECT_VERSION names, for the AppStream entry and the manual pages.
set(KORRU_RELEASE_DATE "2026-12-07")
set(KORRU_MAINTAINER "The korru authors <korru@users.noreply.github.com>")

set(_pkg_out ${CMAKE_BINARY_DIR}/packaging)

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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KORRU_HOMEPAGE})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; the window's Japanese font is no library, so it is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)

# --- checks --------------------------------------------------------------------------------------
# The icons against the pixel art; the installed tree against the validators; the package file; and
# a real apt-get install, run and remove (root only, so it holds the dpkg lock and runs alone).
find_package(Qt6 QUIET COMPONENTS Svg)
if(KORRU_BUILD_TESTS AND TARGET Qt6::Gui AND TARGET Qt6::Svg)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(packaging_tests tests/packaging/icon_test.cpp)
  target_include_directories(packaging_tests PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(packaging_tests PRIVATE Qt6::Gui Qt6::Svg GTest::gtest_main)
  target_compile_definitions(packaging_tests PRIVATE
    KORRU_APP_ID="${KORRU_APP_ID}"
    KORRU_ICON_DIR="${_pkg_out}/icons/hicolor"
    KORRU_ICON_SVG="${PROJECT_SOURCE_DIR}/assets/icon.svg")
  add_dependencies(packaging_tests korru_icons)
  gtest_discover_tests(packaging_tests DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS packaging)

  set(_check bash ${PROJECT_SOURCE_DIR}/tests/packaging/check_package.sh)
  set(_deb_dir ${CMAKE_BINARY_DIR}/package-check)
  if(TARGET korru)
    set(_with_window 1)
  else()
    set(_with_window 0)
  endif()
  set(_facts ${PROJECT_VERSION} ${KORRU_APP_ID} ${_with_window})
  add_test(NAME packaging.installed_tree COMMAND ${_check} tree ${CMAKE_BINARY_DIR} ${_facts})
  add_test(NAME packaging.version_source
    COMMAND ${_check} version ${PROJECT_SOURCE_DIR} ${KORRU_APP_ID})
  add_test(NAME packaging.deb_build COMMAND ${_check} build ${CMAKE_BINARY_DIR} ${_deb_dir})
  add_test(NAME packaging.deb_file COMMAND ${_check} deb ${_deb_dir} ${_facts})
  add_test(NAME packaging.deb_roundtrip COMMAND ${_check} roundtrip ${_deb_dir} ${_facts})
  set_tests_properties(packaging.installed_tree packaging.version_source packaging.deb_build
    packaging.deb_file packaging.deb_roundtrip PROPERTIES LABELS "packaging;package")
  set_tests_properties(packaging.deb_build PROPERTIES FIXTURES_SETUP korru_deb TIMEOUT 300)
  set_tests_properties(packaging.deb_file PROPERTIES FIXTURES_REQUIRED korru_deb)
  set_tests_properties(packaging.deb_roundtrip PROPERTIES FIXTURES_REQUIRED korru_deb
    RUN_SERIAL ON RESOURCE_LOCK dpkg SKIP_RETURN_CODE 77 TIMEOUT 600)
elseif(KORRU_BUILD_TESTS)
  message(STATUS "Qt 6 Gui and Svg not found: the packaging checks are not registered")
endif()
