# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing Quilto like any desktop game. The program and every file that
# lies beside it go into one folder, <prefix>/lib/quilto, with a link to the
# program in <prefix>/games, where games' commands go. The desktop entry, the
# icon in the icon theme's folders and the AppStream metadata put the game in
# the desktop's menu and software centre; the manual page, the copyright file
# and the changelog go where Debian's tools look for them. CPack turns the
# same into a Debian package.
include(GNUInstallDirs)
set(QUILTO_INSTALL_APPDIR "lib/quilto" CACHE STRING "Folder under the prefix for the program and its files")
set(QUILTO_INSTALL_LAUNCHERDIR "games" CACHE STRING "Folder under the prefix for the quilto command")
set(QUILTO_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/quilto")

install(TARGETS quilto RUNTIME DESTINATION ${QUILTO_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/app/ DESTINATION ${QUILTO_INSTALL_APPDIR})

# The launcher: a relative link, so the tree can be installed under any prefix.
file(RELATIVE_PATH quilto_link_target /prefix/${QUILTO_INSTALL_LAUNCHERDIR} /prefix/${QUILTO_INSTALL_APPDIR}/quilto)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${quilto_link_target} ${CMAKE_BINARY_DIR}/packaging/quilto SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quilto DESTINATION ${QUILTO_INSTALL_LAUNCHERDIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Saved games (*.quilto) are a type of their own, opened with the game.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the changelog, compressed as Debian's tools expect
# (gzip -9, without name or time, so every build makes the same bytes).
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog quilto_changelog_top LIMIT_COUNT 1)
if(NOT quilto_changelog_top MATCHES "^quilto \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog begins with \"${quilto_changelog_top}\"; "
                      "its newest entry must be version ${PROJECT_VERSION}")
endif()
find_program(QUILTO_GZIP gzip REQUIRED)
set(quilto_compressed)
foreach(source packaging/quilto.6 packaging/debian/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${CMAKE_BINARY_DIR}/packaging/${name}
    COMMAND ${QUILTO_GZIP} -9nf ${CMAKE_BINARY_DIR}/packaging/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND quilto_compressed ${compressed})
endforeach()
add_custom_target(quilto_package_docs ALL DEPENDS ${quilto_compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/quilto.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${QUILTO_INSTALL_DOCDIR})

# The copyright file in Debian's machine-readable format, written at install
# time from the terms the files state (their SPDX lines and .reuse/dep5), so it
# always speaks of the tree being installed. It fails on a file without terms.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
install(CODE "execute_process(COMMAND \"${Python3_EXECUTABLE}\" \"${CMAKE_SOURCE_DIR}/tools/debian-copyright.py\"
                --source \"${CMAKE_SOURCE_DIR}\" --output \"${CMAKE_BINARY_DIR}/packaging/copyright\"
                COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${QUILTO_INSTALL_DOCDIR})

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "El equipo de Quilto <quilto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rompecabezas de imágenes para el escritorio")
# One line of the package's description each; Debian's tools want at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Quilto corta una imagen en un tablero de hasta 65 x 65 piezas, las mezcla"
       "y te reta a colocarlas de nuevo en su sitio. Las piezas son cuadradas o de"
       "cinco tamaños distintos; en el modo deslizante se mueven hacia un hueco"
       "vacío, y las piezas escurridizas cambian de sitio solas. Las teclas F5 a F8"
       "dan ayudas: bordes, una pista, las piezas mal colocadas y la imagen"
       "terminada."
       ""
       "Trae cuatro imágenes de muestra y una página de ayuda; todos los textos"
       "están en español.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quilto.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
set(QUILTO_PACKAGE_APP_DIR ${CPACK_PACKAGING_INSTALL_PREFIX}/${QUILTO_INSTALL_APPDIR})
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/prerm.in ${CMAKE_BINARY_DIR}/packaging/debian/prerm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/debian/prerm)
include(CPack)
