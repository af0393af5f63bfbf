# SPDX-License-Identifier: MIT
# Reads the version record and the icon back from a built Windows program with wrestool.
#   cmake -DWRESTOOL=wrestool -DPROGRAM=x.exe -DWORK=folder -P check_version_resource.cmake
execute_process(COMMAND "${WRESTOOL}" -x --raw -t 16 "${PROGRAM}" OUTPUT_FILE "${WORK}/version.bin"
    COMMAND_ERROR_IS_FATAL ANY)
file(READ "${WORK}/version.bin" record HEX)
# Each string is its key, a NUL, padding to four bytes, the value and a NUL, in UTF-16LE.
foreach(pair "ProductName=Moltrava V1.2" "InternalName=Moltrava V1.2"
        "OriginalFilename=Moltrava V1.2.exe" "FileVersion=1.00" "ProductVersion=1.00")
    string(HEX "${pair}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    string(REPLACE "3d00" "0000(0000)?" pattern "${hex}") # the "=" between key and value
    if(NOT record MATCHES "${pattern}0000")
        message(SEND_ERROR "the version record lacks ${pair}")
    endif()
endforeach()
# The fixed part after its signature: structure version 1.0, then the file and product versions
# 1.0.0.0, each as two little-endian words of major.minor and revision.build.
if(NOT record MATCHES "bd04effe00000100(0000010000000000)(0000010000000000)")
    message(SEND_ERROR "the numeric file and product versions are not 1.0.0.0")
endif()
execute_process(COMMAND "${WRESTOOL}" -l "${PROGRAM}" OUTPUT_VARIABLE listing)
if(NOT listing MATCHES "type=group_icon")
    message(SEND_ERROR "the program carries no icon")
endif()
