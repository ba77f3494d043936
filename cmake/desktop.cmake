# Corvalto on the Linux desktop: the icon, the install rules of the installed
# layout, the .deb package and the test of both.
#
# The installed layout must match src/app/program_layout.h: the executable in
# bin/, the read-only resources in share/corvalto/, loadable modules in
# lib/corvalto/. The user's config.ini, liste/ and riff/ are never installed.

set(CORVALTO_APP_ID org.example.virmosk.Corvalto)
set(CORVALTO_DESKTOP_SOURCES ${CMAKE_SOURCE_DIR}/assets/desktop)
set(CORVALTO_ICON_SIZES 16 22 24 32 48 64 128 256)

# The icon is drawn once as SVG; the PNGs are rendered from it. The program
# holds their pixels raw, uncompressed, as every window's icon: a window hands
# every size to the window system when it is made, and decoding eight PNGs
# then cost more than the rest of making the main window's native window.
find_program(CORVALTO_RSVG_CONVERT rsvg-convert REQUIRED)
set(CORVALTO_ICON_SVG ${CORVALTO_DESKTOP_SOURCES}/${CORVALTO_APP_ID}.svg)
set(CORVALTO_ICON_PIXELS)
foreach(size IN LISTS CORVALTO_ICON_SIZES)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}.png)
    set(argb ${CMAKE_BINARY_DIR}/icons/${size}.argb)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CORVALTO_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CORVALTO_ICON_SVG}
        DEPENDS ${CORVALTO_ICON_SVG} VERBATIM)
    add_custom_command(OUTPUT ${argb}
        COMMAND icon_pixels ${png} ${argb}
        DEPENDS ${png} icon_pixels VERBATIM)
    list(APPEND CORVALTO_ICON_PIXELS ${argb})
endforeach()
qt_add_resources(corvalto_gui corvalto_icons PREFIX /icons BASE ${CMAKE_BINARY_DIR}/icons
    FILES ${CORVALTO_ICON_PIXELS} OPTIONS -no-compress)

install(TARGETS corvalto RUNTIME DESTINATION bin)
# The modules the program loads when first needed: the screen saver's mesh reader, the
# JPEG decoder and the sound output.
install(TARGETS corvalto_screensaver corvalto-audio corvalto_print LIBRARY DESTINATION lib/corvalto)
install(DIRECTORY ${CORVALTO_PROGRAM_DIR}/imm DESTINATION share/corvalto)
install(FILES "${CORVALTO_PROGRAM_DIR}/Corvalto 3.0 Help.html" DESTINATION share/corvalto)
install(FILES ${CORVALTO_DESKTOP_SOURCES}/${CORVALTO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CORVALTO_DESKTOP_SOURCES}/${CORVALTO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CORVALTO_DESKTOP_SOURCES}/corvalto.xml DESTINATION share/mime/packages)
install(FILES ${CORVALTO_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps)
foreach(size IN LISTS CORVALTO_ICON_SIZES)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${CORVALTO_APP_ID}.png)
endforeach()

# The manual page, in English and Italian, written from the help text of --help; the
# Debian changelog; both compressed as Debian's policy asks (gzip -9n: no name, no time).
set(CORVALTO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(CORVALTO_MAN_DIR ${CMAKE_BINARY_DIR}/man)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
    OUTPUT ${CORVALTO_MAN_DIR}/en/corvalto.1.gz ${CORVALTO_MAN_DIR}/it/corvalto.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVALTO_MAN_DIR}/en ${CORVALTO_MAN_DIR}/it
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make-manpage.py
        ${CMAKE_SOURCE_DIR}/src/app/command_line.cpp
        ${CORVALTO_MAN_DIR}/en/corvalto.1 ${CORVALTO_MAN_DIR}/it/corvalto.1
    COMMAND gzip -9nf ${CORVALTO_MAN_DIR}/en/corvalto.1 ${CORVALTO_MAN_DIR}/it/corvalto.1
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-manpage.py ${CMAKE_SOURCE_DIR}/src/app/command_line.cpp
    VERBATIM)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.Debian.gz
    COMMAND gzip -9nc ${CORVALTO_PACKAGING}/changelog > ${CMAKE_BINARY_DIR}/changelog.Debian.gz
    DEPENDS ${CORVALTO_PACKAGING}/changelog)
add_custom_target(corvalto_docs ALL DEPENDS
    ${CORVALTO_MAN_DIR}/en/corvalto.1.gz ${CORVALTO_MAN_DIR}/it/corvalto.1.gz
    ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
install(FILES ${CORVALTO_MAN_DIR}/en/corvalto.1.gz DESTINATION share/man/man1)
install(FILES ${CORVALTO_MAN_DIR}/it/corvalto.1.gz DESTINATION share/man/it/man1)
install(FILES ${CORVALTO_PACKAGING}/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
    DESTINATION share/doc/corvalto)
# Corvalto is not in Debian's archive: its first upload closes no bug of the archive's.
install(FILES ${CORVALTO_PACKAGING}/lintian-overrides DESTINATION share/lintian/overrides
    RENAME corvalto)
# The folders made on the way to the installed files follow the umask otherwise; this
# runs after every other install rule, so it stays the last one.
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/readable_install_folders.cmake)

# `make package`: a .deb for /usr. Library dependencies are computed by
# dpkg-shlibdeps; the ones named here are loaded at run time without being
# linked: Qt's X11 platform plugin, Qt's Italian dialog texts, the fonts the
# windows ask for and Mesa's software OpenGL for the screen saver. The
# desktop's own triggers refresh the menu, icon and MIME caches.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalto)
set(CPACK_PACKAGE_VENDOR Virmosk)
set(CPACK_PACKAGE_CONTACT "Virmosk <virmosk@virmosk.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chord reference for guitarists")
# English first, the Italian beside it: the program's windows speak Italian.
set(CPACK_PACKAGE_DESCRIPTION "Corvalto shows the name and the fingering of 144 guitar chords, gathers
chords into lists saved as .qvl files and printed as HTML pages, writes
riffs in tablature and has a 3D screen saver. Its windows speak Italian.
.
Corvalto mostra nome e diteggiatura di 144 accordi per chitarra, raccoglie
gli accordi in liste salvate come file .qvl e stampabili come pagina HTML,
scrive riff in tablatura e ha uno screen saver in 3D.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://virmosk.example.org/corvalto)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-texgyre, fonts-dejavu-core, libgl1-mesa-dri")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/deb_post_build.cmake)
include(CPack)

# Installs this build into a scratch prefix and checks the tree, the desktop
# files with their validators, the MIME type and a first start of the
# installed program in a new user's home.
add_test(NAME test_desktop_install COMMAND ${CORVALTO_XVFB_RUN} -n ${CORVALTO_FIRST_TEST_DISPLAY}
    ${CMAKE_COMMAND}
    -DBUILD_DIR=${CMAKE_BINARY_DIR} -DAPP_ID=${CORVALTO_APP_ID}
    "-DICON_SIZES=${CORVALTO_ICON_SIZES}"
    -P ${CMAKE_SOURCE_DIR}/cmake/check_install.cmake)
set_tests_properties(test_desktop_install PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8;QT_QPA_PLATFORM=xcb")
