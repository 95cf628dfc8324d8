# Installing Zormia as a desktop program, and its Debian package.
#
#   cmake --install BUILD [--prefix DIR]   the two programs, the menu entry with
#                                          its icon, the software-centre metadata,
#                                          the manual pages and the exercises
#   cpack --config BUILD/CPackConfig.cmake a .deb of the same tree
include(GNUInstallDirs)

# The program's icon in the sizes of the icon theme, drawn at build time from
# the same 32 x 32 picture as the windows' icon.
add_executable(zormia-icons tools/make_icons.cpp app/program_icon.cpp)
target_include_directories(zormia-icons PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zormia-icons PRIVATE Qt6::Gui)
set_target_properties(zormia-icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(ZORMIA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(ZORMIA_ICON_FILES ${ZORMIA_ICON_DIR}/hicolor/scalable/apps/zormia.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND ZORMIA_ICON_FILES ${ZORMIA_ICON_DIR}/hicolor/${size}x${size}/apps/zormia.png)
endforeach()
add_custom_command(
    OUTPUT ${ZORMIA_ICON_FILES}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:zormia-icons> ${ZORMIA_ICON_DIR}
    DEPENDS zormia-icons
    COMMENT "Drawing the program's icon in the icon theme's sizes"
    VERBATIM)

# Manual pages, compressed as Debian keeps them.
find_program(ZORMIA_GZIP gzip)
set(ZORMIA_MAN_PAGES)
foreach(page zormia.1 zormia-script.1)
    if(ZORMIA_GZIP)
        set(out ${CMAKE_BINARY_DIR}/man/${page})
        add_custom_command(
            OUTPUT ${out}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/${page} ${out}
            COMMAND ${ZORMIA_GZIP} -9nf ${out}
            DEPENDS ${CMAKE_SOURCE_DIR}/docs/${page}
            VERBATIM)
        list(APPEND ZORMIA_MAN_PAGES ${out}.gz)
    else()
        list(APPEND ZORMIA_MAN_PAGES ${CMAKE_SOURCE_DIR}/docs/${page})
    endif()
endforeach()
add_custom_target(zormia_install_files ALL DEPENDS ${ZORMIA_ICON_FILES} ${ZORMIA_MAN_PAGES})

install(TARGETS zormia zormia-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/desktop/zormia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/pl.tremix.zormia.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ZORMIA_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${ZORMIA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.zs")
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package.
set(ZORMIA_PACKAGE_MAINTAINER "Zormia maintainers <maintainers@zormia.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zormia)
set(CPACK_PACKAGE_VENDOR "Zespół Tremix")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZORMIA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (dpkg-dev) adds the libraries the programs link, with their
# versions: libqt6core6, libqt6gui6 (which carries the xcb and offscreen
# platform plugins in Debian 12), libqt6widgets6, libqt6test6. The desk is drawn
# in Liberation Sans, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
find_program(ZORMIA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT ZORMIA_DPKG_SHLIBDEPS)
    string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), "
           "libqt6test6 (>= 6.4), ")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "training simulator of a relay interlocking control desk")
# The extended description under the summary: English, then Polish. CPack
# writes each line with the leading blank and an empty line as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zormia shows the control desk of ZORMIA, a small railway station worked by a
relay interlocking, as the real one is built. With the mouse a trainee throws
points, sets train routes and runs the simulated train through its timed
program, cancels routes with sealed release buttons, shows shunting and
substitute signals, marks track sections occupied, and works both ends of the
semi-automatic line block toward Stacja B. zormia-script runs the same desk in
virtual time for instructors' exercises.

Symulator pulpitu nastawczego stacji ZORMIA: przestawianie zwrotnic,
nastawianie i zwalnianie przebiegów, sygnały manewrowe i zastępcze, symulacja
zajętości odcinków oraz obsługa obu końców półsamoczynnej blokady liniowej.")
include(CPack)
