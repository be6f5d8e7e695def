# Installing Quilto like any desktop game. The program and every file that
# lies beside it go into one folder, <prefix>/lib/quilto, with a link to the
# program in <prefix>/bin. The desktop entry, the icon in the icon theme's
# folders and the AppStream metadata put the game in the desktop's menu and
# software centre. CPack turns the same into a Debian package.
include(GNUInstallDirs)
set(QUILTO_INSTALL_APPDIR "lib/quilto" CACHE STRING "Folder under the prefix for the program and its files")

install(TARGETS quilto RUNTIME DESTINATION ${QUILTO_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/app/ DESTINATION ${QUILTO_INSTALL_APPDIR})

# The launcher: a relative link, so the tree can be installed under any prefix.
file(RELATIVE_PATH quilto_link_target /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${QUILTO_INSTALL_APPDIR}/quilto)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${quilto_link_target} ${CMAKE_BINARY_DIR}/packaging/quilto SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quilto DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Saved games (*.quilto) are a type of their own, opened with the game.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.quilto.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "El equipo de Quilto <quilto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rompecabezas de imágenes para el escritorio")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quilto corta una imagen en un tablero de hasta 65 x 65 piezas, las mezcla y te reta a colocarlas de "
       "nuevo en su sitio: piezas cuadradas o de cinco tamaños, piezas deslizantes o escurridizas, y ayudas "
       "con las teclas.")
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
