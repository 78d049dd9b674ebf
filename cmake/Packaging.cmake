# The Debian package, made by CPack: `cpack` in a build directory (scripts/package.sh) writes
# quirlweg_<version>_amd64.deb there. Also the man pages and the documents the package needs.

set(QUIRLWEG_PACKAGE_MAINTAINER "Das Quirlweg-Team <team@quirlweg.de>"
    CACHE STRING "Maintainer field of the Debian package")

# Debian wants man pages and changelogs compressed at the highest level and without a time
# stamp (-n), so the same sources give the same package.
set(quirlweg_compressed "")
foreach(document IN ITEMS man/quirlweg.1 man/de/quirlweg.1 packaging/changelog)
  set(plain "${CMAKE_BINARY_DIR}/${document}")
  add_custom_command(
    OUTPUT "${plain}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/${document}" "${plain}"
    COMMAND gzip -9nf "${plain}"
    DEPENDS "${CMAKE_SOURCE_DIR}/${document}"
    VERBATIM)
  list(APPEND quirlweg_compressed "${plain}.gz")
endforeach()
add_custom_target(quirlweg_documents ALL DEPENDS ${quirlweg_compressed})

set(quirlweg_docdir "${CMAKE_INSTALL_DATADIR}/doc/quirlweg")
install(FILES "${CMAKE_BINARY_DIR}/man/quirlweg.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${CMAKE_BINARY_DIR}/man/de/quirlweg.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/de/man1")
# A version without a Debian revision makes this a native package, whose changelog is
# changelog.gz in Debian's changelog format.
install(FILES "${CMAKE_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${quirlweg_docdir}")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/copyright" DESTINATION "${quirlweg_docdir}")

# The browser edition's page, which `quirlweg --class` hands to the pupils' devices. It is
# built with Emscripten by scripts/web.sh; a package made from a tree without it serves no page
# and says so when a class starts.
set(QUIRLWEG_WEB_SITE "${CMAKE_SOURCE_DIR}/build-web/web/site"
    CACHE PATH "The built browser edition the package installs for the class server")
install(DIRECTORY "${QUIRLWEG_WEB_SITE}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/quirlweg/site"
        OPTIONAL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quirlweg)
set(CPACK_PACKAGE_VENDOR "Das Quirlweg-Team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random walks on a square or cubic lattice for the classroom")
# Debian wants the lines of the long description shorter than 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quirlweg shows random walks on a lattice in one, two or three dimensions.\n"
  "A walker starts at its home point and steps in random lattice directions\n"
  "until it reaches the boundary or comes back home to the origin. The window\n"
  "shows the lattice, the traces, the walker and the statistics of many\n"
  "journeys. The texts are German; English is chosen with --lang en.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories CPack creates follow the umask otherwise; Debian wants 0755.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUIRLWEG_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads plugins at run time, so dpkg-shlibdeps cannot see them: without the window-system
# plugins the window cannot open, without the SVG ones the pictures stay empty, without Qt's
# translations its dialogs speak English in the German program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")

include(CPack)
