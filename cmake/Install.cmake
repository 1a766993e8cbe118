# Install layout and the Debian package. The program finds its shipped lists relative to its own folder
# (see app/), so the same tree works under /usr, /usr/local or a staging folder.
include(GNUInstallDirs)

install(TARGETS veradex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT veradex)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/リストデータ DESTINATION ${CMAKE_INSTALL_DATADIR}/veradex
        COMPONENT veradex)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.example.suireikai.Veradex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT veradex)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.example.suireikai.Veradex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT veradex)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        COMPONENT veradex FILES_MATCHING PATTERN "veradex.png")

# Only the program and its data go into the package, whatever else the build installs.
set(CPACK_COMPONENTS_ALL veradex)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veradex)
set(CPACK_PACKAGE_VENDOR "Veradex")
set(CPACK_PACKAGE_CONTACT "Veradex <veradex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "orchid name lookup with a Japanese user interface")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Veradex lists orchid varieties, each Japanese (katakana) name beside its exact\n\
Latin genus-species name. Search the list, double-click a row to copy the names\n\
to the clipboard, and edit, sort and save the list. A list of old and new names,\n\
a list of genus readings and a species count per genus stand beside it.\n\
.\n\
Started from the desktop menu it works on the user's own copy of the lists\n\
under ~/.local/share/veradex.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/suireikai/")
# Libraries come from dpkg-shlibdeps; the X11 platform plugin and a Japanese font are loaded at run time,
# so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipaexfont-gothic | fonts-noto-cjk")
include(CPack)
