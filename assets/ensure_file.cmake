if(NOT EXISTS "${OUT}")
    file(WRITE "${OUT}" "")
endif()
