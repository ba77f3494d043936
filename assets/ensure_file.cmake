if(NOT EXISTS "${OUT}")
    file(WRITE "${OUT}" "")
endif()
# Readable by all whatever the umask, as everything the build lays out.
file(CHMOD "${OUT}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
