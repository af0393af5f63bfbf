# SPDX-License-Identifier: MIT
# The Windows program's installer and portable archive: `cpack -G NSIS` and `cpack -G ZIP` in
# the build folder. Both hold one folder: moltrava.exe beside "生肖图片", which the program reads
# from its working directory.

# The name people see is the program's title, and the maker the program's, read from the header
# the windows and the version record take them from.
file(STRINGS ${PROJECT_SOURCE_DIR}/core/program_info.h title_parts
     REGEX "^#define MOLTRAVA_(NAME|RELEASE|MAKER) ")
string(REGEX REPLACE "[^;]*NAME \"([^\"]*)\";[^;]*RELEASE \"([^\"]*)\";.*" "\\1 V\\2" MOLTRAVA_TITLE
       "${title_parts}")
string(REGEX REPLACE "[^;]*NAME \"([^\"]*)\".*" "\\1" MOLTRAVA_NAME "${title_parts}")
string(REGEX REPLACE ".*MAKER \"([^\"]*)\".*" "\\1" MOLTRAVA_MAKER "${title_parts}")
# The installer and the uninstaller find a running program by its main window's class.
file(STRINGS ${PROJECT_SOURCE_DIR}/ui/win32/main_window_class.h main_class
     REGEX "^#define MOLTRAVA_MAIN_WINDOW_CLASS ")
string(REGEX REPLACE ".*L\"([^\"]*)\".*" "\\1" CPACK_MOLTRAVA_MAIN_WINDOW_CLASS "${main_class}")

install(TARGETS moltrava RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/生肖图片 DESTINATION . FILES_MATCHING PATTERN "*.jpg")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME moltrava)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${MOLTRAVA_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese zodiac sign from an age or a birth year")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Moltrava)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Moltrava)
set(CPACK_PACKAGE_FILE_NAME moltrava-${PROJECT_VERSION}-win64)
# CPack.cmake gives CPACK_PACKAGE_FILE_NAME the source package's name once it has used it.
set(MOLTRAVA_INSTALLER ${CPACK_PACKAGE_FILE_NAME}.exe)
# The licence page wraps the text to its box, so each paragraph is given as one line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n\n" "\r" licence "${licence}")
string(REPLACE "\n" " " licence "${licence}")
string(REPLACE "\r" "\n\n" licence "${licence}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/LICENSE.txt CONTENT "${licence}" @ONLY)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt)
set(CPACK_VERBATIM_VARIABLES ON) # the NSIS lines below keep their quotes and backslashes

# CPack's NSIS script with the project's changes (packaging/nsis/NSIS.template.in says which).
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)
# A 64-bit installer in Unicode, so that it writes the 64-bit registry and Chinese file names;
# Wine without its 32-bit half runs nothing else.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${MOLTRAVA_TITLE}")
set(CPACK_NSIS_DISPLAY_NAME "${MOLTRAVA_TITLE}")
set(CPACK_MOLTRAVA_BRANDING_TEXT "${MOLTRAVA_NAME} ${PROJECT_VERSION}") # each page's bottom line
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icons/moltrava.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/icons/moltrava.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME moltrava.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The shortcut starts the program in the install folder (CreateShortCut takes the output path as
# the working folder). The start menu folder is named after the installer, as NSIS does.
set(MOLTRAVA_SHORTCUT "${MOLTRAVA_TITLE}\\${MOLTRAVA_TITLE}.lnk")
string(CONFIGURE [[
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\@MOLTRAVA_TITLE@.lnk" "$INSTDIR\moltrava.exe"]]
       CPACK_NSIS_CREATE_ICONS_EXTRA @ONLY)
# CPack's uninstaller deletes its key under the vendor's, and leaves the vendor's key empty.
string(CONFIGURE [[
  Delete "$SMPROGRAMS\$MUI_TEMP\@MOLTRAVA_TITLE@.lnk"
  DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@"]]
       CPACK_NSIS_DELETE_ICONS_EXTRA @ONLY)
# makensis reads the file names in the locale's encoding, and crashes on the Chinese ones in the C
# locale.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CPackLocale.cmake CONTENT [[set(ENV{LC_ALL} C.UTF-8)]])
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackLocale.cmake)
include(CPack)
