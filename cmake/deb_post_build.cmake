# Run by CPack once the .deb exists (CPACK_POST_BUILD_SCRIPTS): the finishing steps
# CPack's DEB generator has no setting for, done as Debian's own tools do them.
#  - No maintainer scripts: CPack writes an ldconfig call for every shared object under
#    /usr/lib, but the modules in /usr/lib/corvalto are the program's own, found by path;
#    the desktop's triggers refresh the menu, icon and MIME caches.
#  - The .comment section (the compiler's name) is stripped from the binaries, as
#    dh_strip does; the md5sums follow.
#  - Qt Print Support, which only the print preview module links, is recommended rather
#    than required: it brings CUPS and Avahi, and without it every command works but
#    "Stampa...", which then says that its module cannot be loaded.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(root "${deb}.root")
    file(REMOVE_RECURSE "${root}")
    execute_process(COMMAND dpkg-deb -R "${deb}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${root}/DEBIAN/postinst" "${root}/DEBIAN/postrm")
    file(READ "${root}/DEBIAN/control" control)
    string(REGEX MATCH "libqt6printsupport6( \\([^)]*\\))?" print "${control}")
    if(print)
        string(REPLACE ", ${print}" "" control "${control}")
        string(REPLACE "${print}, " "" control "${control}")
        string(REGEX REPLACE "\n(Depends: [^\n]*)\n" "\n\\1\nRecommends: ${print}\n" control
            "${control}")
        file(WRITE "${root}/DEBIAN/control" "${control}")
    endif()
    file(GLOB_RECURSE binaries "${root}/usr/bin/*" "${root}/usr/lib/*")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND strip --remove-section=.comment "${binary}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    execute_process(COMMAND find usr -type f -exec md5sum {} +
        WORKING_DIRECTORY "${root}" OUTPUT_VARIABLE sums COMMAND_ERROR_IS_FATAL ANY)
    file(WRITE "${root}/DEBIAN/md5sums" "${sums}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${root}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${root}")
endforeach()
