# Installing in the usual places of a Linux system, and a Debian package of the same files.
install(TARGETS bed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window, which bed opens from there (BED_WINDOW_FROM_BIN) when the run has a display.
install(TARGETS bed-window LIBRARY DESTINATION ${BED_LIB_DIR})
install(FILES ${BED_HELP_TEXTS} DESTINATION ${BED_DATA_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/${BED_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${BED_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${BED_APP_ID}.svg DESTINATION ${BED_ICON_DIR}/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${size}/${BED_APP_ID}.png
          DESTINATION ${BED_ICON_DIR}/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brousek-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plain-text editor for Czech text in the old and new code pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Brousek editor (bed) edits plain text with a Czech user interface. It reads and writes\n"
    "CP 1250, ISO-8859-2, PC Latin 2, Kamenicky and KOI8-CS, opens T602 documents as plain\n"
    "text or HTML, highlights the syntax of many languages, and converts files from the\n"
    "command line.")
set(CPACK_PACKAGE_CONTACT "Brousek editor <bed@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The Qt and hunspell libraries come from the program's own links; what is loaded at run time is
# not linked, so it is named: Qt's platform plugins, Qt's Czech translations and the Czech
# dictionary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, hunspell-cs")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, shared-mime-info, desktop-file-utils")
include(CPack)
