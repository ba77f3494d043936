# Run at the end of the installation (install(SCRIPT)). The files take their modes
# from the install rules (644, the executable 755), but the folders made on their
# way (lib/corvalto, share/icons/hicolor/16x16/apps ...) follow the installing
# user's umask: under umask 077 the .deb held drwx------ folders. Every folder
# leading to an installed file is made readable and searchable by all; the bits a
# folder has already (a setgid /usr/local) stay.
cmake_policy(VERSION 3.25)

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(folders)
# The manifest names the files without DESTDIR (the .deb is staged under one).
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    cmake_path(GET file PARENT_PATH dir)
    set(dir "$ENV{DESTDIR}${dir}")
    cmake_path(IS_PREFIX root "${dir}" NORMALIZE inside)
    while(inside AND NOT dir IN_LIST folders)
        list(APPEND folders "${dir}")
        cmake_path(GET dir PARENT_PATH dir)
        cmake_path(IS_PREFIX root "${dir}" NORMALIZE inside)
    endwhile()
endforeach()
if(folders)
    execute_process(COMMAND chmod a+rx ${folders} COMMAND_ERROR_IS_FATAL ANY)
endif()
