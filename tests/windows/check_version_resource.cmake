# SPDX-License-Identifier: MIT
# Reads the version record and the icon back from a built Windows program with wrestool.
#   cmake -DWRESTOOL=wrestool -DPROGRAM=x.exe -DWORK=folder -P check_version_resource.cmake
execute_process(COMMAND ${WRESTOOL} -x --raw -t 16 ${PROGRAM} OUTPUT_FILE ${WORK}/version.bin)
execute_process(COMMAND ${WRESTOOL} -l ${PROGRAM} OUTPUT_VARIABLE listing)
file(READ ${WORK}/version.bin record HEX)
# The strings are a key, a NUL, padding to four bytes, the value and a NUL, in UTF-16LE; the
# fixed part holds the structure version 1.0, then file and product versions 1.0.0.0.
foreach(pair "ProductName=Moltrava V1.2" "InternalName=Moltrava V1.2" "FileVersion=1.00"
        "OriginalFilename=Moltrava V1.2.exe" "ProductVersion=1.00")
    string(HEX "${pair}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    string(REPLACE "3d00" "0000(0000)?" pattern "${hex}0000")
    if(NOT record MATCHES "${pattern}")
        message(SEND_ERROR "the version record lacks ${pair}")
    endif()
endforeach()
if(NOT record MATCHES "bd04effe0000010000000100000000000000010000000000" OR NOT listing MATCHES "group_icon")
    message(SEND_ERROR "the numeric versions are not 1.0.0.0, or the program has no icon")
endif()
