# The Debian package: "cpack" in a build tree (scripts/package does it all)
# writes tolvane_<version>_<arch>.deb from the install rules. The version is
# the project version; the dependencies come from the libraries the programs
# link (dpkg-shlibdeps). The desktop, MIME, icon and manual-page caches are
# refreshed by the triggers of their own packages, so there are no
# maintainer scripts.
set(TOLVANE_PACKAGE_MAINTAINER "Tolvane developers <tolvane@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

# The package's own documentation: copyright and changelog, as Debian wants them.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tolvane)
set(changelog ${PROJECT_BINARY_DIR}/package/changelog.gz)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${PROJECT_BINARY_DIR}/package/changelog
    "tolvane (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- ${TOLVANE_PACKAGE_MAINTAINER}  ${changelog_date}\n")
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9nf -k ${PROJECT_BINARY_DIR}/package/changelog
    DEPENDS ${PROJECT_BINARY_DIR}/package/changelog
    VERBATIM)
add_custom_target(tolvane_package_docs ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright DESTINATION ${doc_dir})
install(FILES ${changelog} DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_CONTACT ${TOLVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of images for handheld ink-jet coders")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tolvane designs the messages (images) that small handheld ink-jet coders
print on cartons: text, counters, dates, times, shift codes, barcodes and
logos on a grid of printer dots. Images are saved as files and downloaded
to the handheld over a serial line.

The package also holds tolvane-cli, which reads, writes, draws, compiles
and downloads image files from scripts, and tolvane-handheld-sim, which
plays a handheld on a pseudo-terminal for trying the programs without a
printer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/tolvane/tolvane")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins at run time, so the programs' libraries do not name them:
# the window-system platforms, and the SVG icon engine that draws the
# designer's tool-bar icons (the link drops QtSvg as unused).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Folders of the file list are owned root:root 0755, as dpkg expects.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_IGNORE_FILES /build /\\.git/)
include(CPack)
