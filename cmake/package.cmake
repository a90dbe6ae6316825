# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (scripts/package.sh): the program, its menu entry and
# icon, its manual page, changelog and copyright; the libraries it links as
# dpkg-shlibdeps finds them, and what it loads at run time: the IPA fonts, Qt's
# Japanese translations and Qt's window system plugins (only recommended by
# Qt's GUI library). Its version is worked out when the package is made
# (cmake/package_config.cmake), so a package made after a new commit always
# upgrades the one before.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fotobako)
set(CPACK_PACKAGE_VENDOR "Fotobako")
set(CPACK_PACKAGE_CONTACT "Fotobako developers <maintainers@fotobako.invalid>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "photo manager for primary schools (しゃしんばこ)
Pupils copy camera photos into class folders, browse them as pages of
thumbnails, mark some, and print, copy, delete or show them as a slide show.
Every button and message is in Japanese, the messages to pupils in simple
kana. A school sets its drives and settings once for every account in
/etc/xdg/fotobako/.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n, qt6-qpa-plugins")
# Pupils type folder names in Japanese: Mozc through IBus, or through Fcitx 5
# with its Qt 6 module.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ibus-mozc | fcitx5-mozc, fcitx5-frontend-qt6")

set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_config.cmake)
set(CPACK_FOTOBAKO_RELEASE ${PROJECT_VERSION})
set(CPACK_FOTOBAKO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_FOTOBAKO_DOCS_DIR ${CMAKE_BINARY_DIR}/package_docs)

# Written by package_config.cmake when the package is made; a plain install
# goes without them.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/fotobako)
install(FILES ${CPACK_FOTOBAKO_DOCS_DIR}/changelog.gz ${CPACK_FOTOBAKO_DOCS_DIR}/copyright
        DESTINATION ${doc_dir} OPTIONAL)
install(FILES ${CPACK_FOTOBAKO_DOCS_DIR}/fotobako.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        OPTIONAL)
# Strip the compiler's notes as well as the symbols, as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/fotobako\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
include(CPack)
