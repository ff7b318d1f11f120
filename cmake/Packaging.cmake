# What a player installs: the program in bin, the data archive in
# share/quellon (the program looks for it at ../share/quellon beside its
# bin), a desktop entry, AppStream metainfo and the icon at every desktop
# size, all drawn or written at build time. "cpack -G DEB" packs the same
# tree as a Debian package.
set(QUELLON_APP_ID "org.example.quellon.Quellon" CACHE STRING "Reverse-DNS id of the desktop entry and metainfo")
set(QUELLON_HOMEPAGE "https://quellon.example.org" CACHE STRING "Project web site; screenshots are published under /screenshots")
set(QUELLON_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX expression of the game's licence")
set(QUELLON_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(desktop_sources ${CMAKE_SOURCE_DIR}/content/desktop)

configure_file(${desktop_sources}/quellon.desktop.in ${QUELLON_RELEASE_DIR}/${QUELLON_APP_ID}.desktop @ONLY)
configure_file(${desktop_sources}/quellon.metainfo.xml.in ${QUELLON_RELEASE_DIR}/${QUELLON_APP_ID}.metainfo.xml @ONLY)

set(QUELLON_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(icon_files)
foreach(size ${QUELLON_ICON_SIZES})
  list(APPEND icon_files ${QUELLON_RELEASE_DIR}/icons/quellon_${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELLON_RELEASE_DIR}/icons
  COMMAND quellon-artgen icons ${CMAKE_SOURCE_DIR}/content/art ${QUELLON_RELEASE_DIR}/icons
  DEPENDS quellon-artgen ${CMAKE_SOURCE_DIR}/content/art/kinds.txt
  COMMENT "Drawing the program's icons"
  VERBATIM)
add_custom_target(release_icons ALL DEPENDS ${icon_files})

# The metainfo's screenshots are the real screens drawn offscreen; they
# take a while, so only a release build asks for them:
# cmake --build build --target release_screenshots
set(shots ${QUELLON_RELEASE_DIR}/screenshots)
add_custom_command(
  OUTPUT ${shots}/main-menu.png ${shots}/level.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${shots}/menus
  COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
          $<TARGET_FILE:quellon-tool> menus --out ${shots}/menus
  COMMAND ${CMAKE_COMMAND} -E copy ${shots}/menus/main_menu.png ${shots}/main-menu.png
  COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
          $<TARGET_FILE:quellon-tool> session --shot ${shots}/level.png --moves 6
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${shots}/menus
  DEPENDS quellon-tool game_data
  COMMENT "Drawing the release screenshots"
  VERBATIM)
add_custom_target(release_screenshots DEPENDS ${shots}/main-menu.png ${shots}/level.png)

install(TARGETS quellon RUNTIME DESTINATION bin)
install(FILES ${CMAKE_BINARY_DIR}/bin/game.dat DESTINATION share/quellon)
install(FILES ${QUELLON_RELEASE_DIR}/${QUELLON_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${QUELLON_RELEASE_DIR}/${QUELLON_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size ${QUELLON_ICON_SIZES})
  install(FILES ${QUELLON_RELEASE_DIR}/icons/quellon_${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${QUELLON_APP_ID}.png)
endforeach()
install(FILES ${shots}/main-menu.png ${shots}/level.png DESTINATION share/quellon/screenshots OPTIONAL)

set(CPACK_PACKAGE_NAME quellon)
set(CPACK_PACKAGE_VENDOR "The Quellon developers")
set(CPACK_PACKAGE_CONTACT "The Quellon developers <quellon@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ocean-themed match-three puzzle game")
set(CPACK_PACKAGE_HOMEPAGE_URL ${QUELLON_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The generated desktop files validate, and an install into a scratch
# folder has the layout above with a program that finds its data there.
add_test(NAME release_install
  COMMAND sh ${CMAKE_SOURCE_DIR}/tests/release/install_test.sh ${CMAKE_BINARY_DIR} ${QUELLON_APP_ID})
set_tests_properties(release_install PROPERTIES TIMEOUT 120)
