# SPDX-License-Identifier: MIT
# Reads the version record and the icon back from a built Windows program with wrestool and
# checks them against the values the program must carry.
#   cmake -DWRESTOOL=wrestool -DPROGRAM=x.exe -DWORK=folder -P check_version_resource.cmake

function(utf16le_hex text out)
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${WRESTOOL}" -x --raw -t 16 "${PROGRAM}"
    OUTPUT_FILE "${WORK}/version.bin" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "wrestool could not read the version record of ${PROGRAM}")
endif()
file(READ "${WORK}/version.bin" record HEX)

set(failures 0)
# Each string is its key, a NUL, padding to four bytes, the value and a NUL, in UTF-16LE.
foreach(pair
        "ProductName=Moltrava V1.2"
        "InternalName=Moltrava V1.2"
        "OriginalFilename=Moltrava V1.2.exe"
        "FileVersion=1.00"
        "ProductVersion=1.00")
    string(REPLACE "=" ";" parts "${pair}")
    list(GET parts 0 key)
    list(GET parts 1 value)
    utf16le_hex("${key}" keyHex)
    utf16le_hex("${value}" valueHex)
    if(record MATCHES "${keyHex}0000(0000)?${valueHex}0000")
        message(STATUS "${key}: ${value}")
    else()
        message(SEND_ERROR "the version record lacks ${key} \"${value}\"")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()

# The fixed part after its signature: structure version 1.0, then the file and product versions
# 1.0.0.0, each as two little-endian words of major.minor and revision.build.
if(record MATCHES "bd04effe00000100(0000010000000000)(0000010000000000)")
    message(STATUS "file and product version: 1.0.0.0")
else()
    message(SEND_ERROR "the numeric file and product versions are not 1.0.0.0")
endif()

execute_process(COMMAND "${WRESTOOL}" -l "${PROGRAM}" OUTPUT_VARIABLE listing)
if(listing MATCHES "type=group_icon")
    message(STATUS "icon: present")
else()
    message(SEND_ERROR "the program carries no icon")
endif()
