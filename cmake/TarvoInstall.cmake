# `cmake --install` and the Debian package.
#
# Layout under the prefix: bin/tarvo; the shipped data (what build/bin holds
# beside the program: templates, styles, pictures, the help and the HTML
# folder) in share/tarvo, which the program copies into the user's data
# folder on first start; the desktop entry, icons, MIME type and AppStream
# metadata where the desktop looks for them.
include(GNUInstallDirs)

install(TARGETS tarvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(TARVO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarvo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TARVO_INSTALL_DATADIR}
        PATTERN .gitkeep EXCLUDE)
# What the build makes into the program folder (tools/mktemplates and any
# generator that appends its outputs to this global property), each
# file at its place there. Only these: pages a user saved in the build
# folder stay out of the package.
get_property(shipped GLOBAL PROPERTY TARVO_SHIPPED_FILES)
foreach(file IN LISTS shipped)
  file(RELATIVE_PATH rel ${TARVO_OUT_DIR} ${file})
  get_filename_component(dir ${rel} DIRECTORY)
  install(FILES ${file} DESTINATION ${TARVO_INSTALL_DATADIR}/${dir})
endforeach()

set(TARVO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${TARVO_PACKAGING}/tarvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARVO_PACKAGING}/tarvo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tarvo.xml)
install(FILES ${TARVO_PACKAGING}/example.tarvo.Tarvo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon theme drawn by tools/artgen with the program's pictures.
install(DIRECTORY ${CMAKE_BINARY_DIR}/resources-gen/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# cpack -G DEB (from the build folder) makes tarvo_VERSION_ARCH.deb. The
# library dependencies are found by dpkg-shlibdeps from what the program
# links; Qt's platform, picture and sound plugins come with the libraries
# that depend on them (libqt6gui6, libqt6multimedia6). The desktop's menu,
# icon and MIME caches are refreshed by the triggers of the packages that
# own them, so the package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "Brenfold Software")
set(CPACK_PACKAGE_CONTACT "Brenfold Software <tarvo@tarvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "web page builder for beginners")
set(CPACK_PACKAGE_DESCRIPTION "Tarvo leads you through five stages: choose a page, build it from\nWeb Blocks with the mouse, view it, send it to your web server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarvo.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The page pictures and saved pages' snapshots are lettered in Liberation
# Sans; without it they fall back to another sans-serif font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-image-formats-plugins")
include(CPack)
