# Run by CTest: cmake -DBUILD_DIR=... -DAPP_ID=... -DICON_SIZES=... -P check_install.cmake
# Installs the build into a scratch prefix and checks what a user's desktop sees.
set(scratch ${BUILD_DIR}/install-check)
set(prefix ${scratch}/usr)
file(REMOVE_RECURSE ${scratch})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
        TIMEOUT 120)
    set(run_output "${out}${err}" PARENT_SCOPE)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}${err}")
    endif()
endfunction()

# Installed under umask 077, and readable by all all the same.
run(sh -c "umask 077 && exec \"$0\" --install \"$1\" --prefix \"$2\"" ${CMAKE_COMMAND} ${BUILD_DIR} ${prefix})
run(find ${prefix} -type d ! -perm -555 -o -type f ! -perm -444)
if(run_output)
    message(FATAL_ERROR "not readable by all:\n${run_output}")
endif()

set(expected
    bin/corvalto
    lib/corvalto/libcorvalto_screensaver.so
    lib/corvalto/libcorvalto-audio.so
    lib/corvalto/libcorvalto_fingerings.so
    lib/corvalto/libcorvalto_print.so
    "share/corvalto/Corvalto 3.0 Help.html"
    share/corvalto/imm/virmoskc.jpg
    share/corvalto/imm/scroll.css
    share/corvalto/imm/la_min.gif
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/corvalto.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f IN LISTS expected)
    if(NOT EXISTS "${prefix}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
# The user's files are made at the first start, never installed.
file(GLOB_RECURSE user_files ${prefix}/*config.ini ${prefix}/*/liste ${prefix}/*/riff)
if(user_files)
    message(FATAL_ERROR "installed user files: ${user_files}")
endif()

# desktop-file-validate exits 0 on errors it calls "fatal in the future".
run(desktop-file-validate ${prefix}/share/applications/${APP_ID}.desktop)
if(run_output MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate:\n${run_output}")
endif()
run(appstreamcli validate --no-net ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)

run(update-mime-database ${prefix}/share/mime)
file(READ ${prefix}/share/mime/globs2 globs)
if(NOT globs MATCHES "application/x-corvalto-list:\\*\\.qvl")
    message(FATAL_ERROR "*.qvl is not application/x-corvalto-list:\n${globs}")
endif()

run(${prefix}/bin/corvalto --version)
if(NOT run_output STREQUAL "Corvalto 3.0\n")
    message(FATAL_ERROR "--version printed: ${run_output}")
endif()

# A first start of the installed program by a new user shows no error box
# (one would block the start until the timeout) and makes the user's folders.
set(home ${scratch}/home)
file(MAKE_DIRECTORY ${home})
run(${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME
    --unset=XDG_CACHE_HOME HOME=${home}
    CORVALTO_BENCH_EXIT_AFTER_PAINT=1 ${prefix}/bin/corvalto)
foreach(f .config/corvalto/config.ini Documents/Corvalto/liste Documents/Corvalto/riff)
    if(NOT EXISTS ${home}/${f})
        message(FATAL_ERROR "a first start did not make ${home}/${f}")
    endif()
endforeach()
file(REMOVE_RECURSE ${scratch})
