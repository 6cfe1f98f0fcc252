# `cmake --install` and the Debian package.
#
# Layout under the prefix: bin/tarvo and the program library it loads
# (lib/<multiarch>/tarvo/libtarvo-program.so, with the sound-and-video
# module libtarvo-media.so and the Git module libtarvo-git.so beside it);
# the shipped data (what build/bin holds beside the program: templates,
# styles, pictures, the help and the HTML folder) in share/tarvo, which
# the program reads from there (and copies only the HTML folder's pictures
# and Styles.data into the user's data folder); the desktop entry, icons,
# MIME type and AppStream metadata where the desktop looks for them; the
# manual page, the copyright file and the changelog where Debian's tools
# look for them.
include(GNUInstallDirs)

install(TARGETS tarvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tarvo_program tarvo_media tarvo_git LIBRARY DESTINATION ${TARVO_PROGRAM_LIBRARY_DIR})

set(TARVO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarvo)
# The save folder is the user's alone: an install has none.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TARVO_INSTALL_DATADIR}
        PATTERN .gitkeep EXCLUDE PATTERN save EXCLUDE)
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

# The manual page and the changelog go in compressed, as Debian's policy
# asks (no name or time in the gzip header, so builds are reproducible).
set(TARVO_DOC_GEN ${CMAKE_BINARY_DIR}/doc-gen)
foreach(pair "tarvo.1;tarvo.1.gz" "changelog;changelog.gz")
  list(GET pair 0 src)
  list(GET pair 1 gz)
  add_custom_command(OUTPUT ${TARVO_DOC_GEN}/${gz}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${TARVO_DOC_GEN}
                     COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${TARVO_PACKAGING}/${src} ${TARVO_DOC_GEN}/${gz}
                     DEPENDS ${TARVO_PACKAGING}/${src} VERBATIM)
  list(APPEND TARVO_DOC_FILES ${TARVO_DOC_GEN}/${gz})
endforeach()
add_custom_target(tarvo_docs ALL DEPENDS ${TARVO_DOC_FILES})
add_dependencies(tarvo tarvo_docs)
install(FILES ${TARVO_DOC_GEN}/tarvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TARVO_DOC_GEN}/changelog.gz ${TARVO_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvo)

# cpack -G DEB (from the build folder) makes tarvo_VERSION_ARCH.deb. The
# library dependencies are found by dpkg-shlibdeps from what the program
# links; Qt's platform, picture and sound plugins come with the libraries
# that depend on them (libqt6gui6, libqt6multimedia6). The desktop's menu,
# icon and MIME caches are refreshed by the triggers of the packages that
# own them, so the package needs no scripts of its own. The program is
# stripped in the package; the build folder keeps it with debug symbols.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "Brenfold Software")
set(CPACK_PACKAGE_CONTACT "Brenfold Software <tarvo@tarvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "web page builder for beginners")
set(CPACK_PACKAGE_DESCRIPTION "Tarvo leads you through five stages: choose a page, build it from\nWeb Blocks with the mouse or the keyboard, view it, send it to your\nweb server over FTPS, SFTP or FTP.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# The windows are laid out in Arial's measures, which Liberation Sans
# shares: with a wider face, labels are cut short. The page pictures and
# snapshots are lettered in it too. The library dependencies found by
# dpkg-shlibdeps are added to this one. Qt's own translations give the
# standard buttons (Yes, No, Cancel) in the user's language. Building needs
# qt6-tools-dev and qt6-l10n-tools (lrelease).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-droid-fallback, fonts-symbola, qt6-image-formats-plugins, qt6-translations-l10n")
include(CPack)
