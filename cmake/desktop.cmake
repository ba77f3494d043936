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
install(TARGETS corvalto_screensaver corvalto-audio LIBRARY DESTINATION lib/corvalto)
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

# `make package`: a .deb for /usr. Library dependencies are computed by
# dpkg-shlibdeps; the ones named here are loaded at run time without being
# linked: Qt's X11 platform plugin, Qt's Italian dialog texts, the fonts the
# windows ask for and Mesa's software OpenGL for the screen saver. The
# desktop's own triggers refresh the menu, icon and MIME caches.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalto)
set(CPACK_PACKAGE_VENDOR Virmosk)
set(CPACK_PACKAGE_CONTACT "Virmosk <virmosk@virmosk.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prontuario di accordi per chitarristi")
set(CPACK_PACKAGE_DESCRIPTION "Corvalto mostra nome e diteggiatura di 144 accordi per chitarra, raccoglie
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
