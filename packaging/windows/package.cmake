# The Windows ZIP and the 64-bit installer, DraftSurvey-<version>-win64:
# bin/ holds draftsurvey.exe with the DLLs and plugins that
# the runtime rules below install; licenses/ the program's, the fonts' and
# Qt's licences; guide/ the user's guide as a page with its pictures. CPack
# makes the ZIP; the installer is the project's own script
# (packaging/windows/installer.nsi), which installs for the current user or
# for everyone, and is built by the target `installer`.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME DraftSurvey-${PROJECT_VERSION}-win64)

set(licenses licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${licenses} RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/ui/fonts/LICENSE DESTINATION ${licenses}/fonts
        RENAME LiberationSans-LICENSE.txt)
# libwinpthread-1.dll's licences (expat, BSD-3-clause) ask for their notices
# beside the binary; Debian's copyright file of the mingw-w64 runtime gives
# them, with those of the rest of the runtime.
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION ${licenses}/mingw-w64
        RENAME copyright.txt)

# The Qt source, as the cached build of it records it: the host's Qt may
# have had a Debian update since. Its version alone, as a date would make
# two builds of the same commit differ.
file(STRINGS ${DRAFTSURVEY_QT_WINDOWS}/.finished qt_source LIMIT_COUNT 1)
set(QT_BUILD_NOTE "${qt_source},")
configure_file(${PROJECT_SOURCE_DIR}/packaging/qt-note.txt.in
               ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt DESTINATION ${licenses}/qt)
install(DIRECTORY ${DRAFTSURVEY_QT_WINDOWS}/LICENSES/ DESTINATION ${licenses}/qt)

# The guide, made from the README by cmark-gfm (GitHub's Markdown, for the
# tables), with the Windows build's picture of the worksheet, the README's
# part on installing on Windows, and the licences where the copy keeps them.
find_program(CMARK_GFM cmark-gfm REQUIRED)
set(guide_dir ${PROJECT_BINARY_DIR}/guide)
math(EXPR windows_length "${guide_begin} - ${windows_begin}")
string(SUBSTRING "${readme}" ${windows_begin} ${windows_length} installing)
string(REPLACE "\n### On Windows" "\n## Installing on Windows" installing "${installing}")
string(REPLACE "\n### Checking a download" "\n## Checking a download" installing "${installing}")
# The page opens on the Windows picture already.
string(REGEX REPLACE "!\\[The same survey in the Windows build\\][^\n]*\n\n" "" installing
                     "${installing}")
string(REPLACE "${guide}" "${installing}${guide}" windows_guide "${user_guide}")
# What the README says of the Linux build, said of the Windows copy; words
# the README no longer has stop CMake, naming them.
function(replace_in_guide old new)
  string(FIND "${windows_guide}" "${old}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "README.md no longer says \"${old}\", which the Windows guide replaces "
                        "(${CMAKE_CURRENT_FUNCTION_LIST_FILE}).")
  endif()
  string(REPLACE "${old}" "${new}" text "${windows_guide}")
  set(windows_guide "${text}" PARENT_SCOPE)
endfunction()
replace_in_guide("(docs/worksheet.png)" "(docs/worksheet-windows.png)")
replace_in_guide("(`LICENSE`)" "(`licenses\\LICENSE.txt` in the program's folder)")
replace_in_guide("(`ui/fonts/LICENSE`)" "(`licenses\\fonts`)")
replace_in_guide("under the LGPL 3." "under the LGPL 3 (`licenses\\qt`), and the\nmingw-w64 runtime's \
notices are in `licenses\\mingw-w64`.")
file(WRITE ${guide_dir}/guide.md "${windows_guide}")
execute_process(COMMAND ${CMARK_GFM} --extension table --to html ${guide_dir}/guide.md
                OUTPUT_VARIABLE guide_body COMMAND_ERROR_IS_FATAL ANY)
file(READ ${PROJECT_SOURCE_DIR}/packaging/windows/guide.html.in guide_template)
string(REPLACE "@DRAFTSURVEY_TITLE@" "${DRAFTSURVEY_TITLE}" guide_html "${guide_template}")
string(REPLACE "@GUIDE_BODY@" "${guide_body}" guide_html "${guide_html}")
file(WRITE "${guide_dir}/${DRAFTSURVEY_GUIDE_PAGE}" "${guide_html}")
install(FILES "${guide_dir}/${DRAFTSURVEY_GUIDE_PAGE}" DESTINATION ${DRAFTSURVEY_GUIDE_FOLDER})
string(REGEX MATCHALL "\\(docs/[^)]+\\.png\\)" guide_pictures "${windows_guide}")
foreach(picture IN LISTS guide_pictures)
  string(REGEX REPLACE "^\\((.*)\\)$" "\\1" picture "${picture}")
  install(FILES ${PROJECT_SOURCE_DIR}/${picture} DESTINATION ${DRAFTSURVEY_GUIDE_FOLDER}/docs)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/windows/guide.html.in)

configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsh.in
               ${PROJECT_BINARY_DIR}/packaging/installer.nsh @ONLY)
# The installed tree, as the ZIP holds it, staged in a folder of its own
# and packed by makensis for amd64 into `installer`; makensis options follow.
function(add_installer target installer stage)
  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/makensis-amd64 -V2 ${ARGN}
            -DDEFINES=${PROJECT_BINARY_DIR}/packaging/installer.nsh -DSTAGE=${stage}
            -DOUTFILE=${installer} ${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi
    DEPENDS draftsurvey
    COMMENT "Making ${installer}"
    VERBATIM)
endfunction()
add_installer(installer ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.exe
              ${PROJECT_BINARY_DIR}/installer-files)
# The package test's own build, whose account check answers as a standard
# user's does; never packaged.
add_installer(standard-user-installer
              ${PROJECT_BINARY_DIR}/standard-user-test/${CPACK_PACKAGE_FILE_NAME}.exe
              ${PROJECT_BINARY_DIR}/standard-user-test/files -DSTANDARD_USER_TEST)

include(CPack)
