# The packages. On Linux a Debian package: the program built with Debian's
# hardening flags (make package) and stripped as dh_strip strips, its
# desktop entry, icon, AppStream metainfo and manual page, and under
# /usr/share/doc/draftsurvey the user's guide, the machine-readable
# copyright file (the program's MIT licence and the bundled fonts' SIL OFL)
# and the changelog. On Windows a ZIP and an installer: the program with
# the DLLs and plugins it uses, and the licences.
set(CPACK_PACKAGE_NAME draftsurvey)
set(CPACK_PACKAGE_VENDOR "${DRAFTSURVEY_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${DRAFTSURVEY_VENDOR} <developers@draftsurvey.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A worksheet for the marine draft survey: from the drafts read at a ship's
marks and the ship's hydrostatic particulars to the weight of the cargo on
board, one button per step.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)

# A licence text as the body of a copyright-file field: each line indented
# by one blank, empty lines written as " .".
function(debian_field_text text out)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(body "")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      string(APPEND body " .\n")
    else()
      string(APPEND body " ${line}\n")
    endif()
  endforeach()
  string(REGEX REPLACE "\n$" "" body "${body}")
  set(${out} "${body}" PARENT_SCOPE)
endfunction()

file(READ ${PROJECT_SOURCE_DIR}/LICENSE expat)
debian_field_text("${expat}" EXPAT_TEXT)
# The fonts' own copyright file already has the format; its stanza for the
# font files is taken as it stands.
file(READ ${PROJECT_SOURCE_DIR}/ui/fonts/LICENSE fonts)
string(FIND "${fonts}" "Files: *" fonts_begin)
string(FIND "${fonts}" "\nFiles: debian/*" fonts_end)
math(EXPR fonts_length "${fonts_end} - ${fonts_begin}")
string(SUBSTRING "${fonts}" ${fonts_begin} ${fonts_length} FONTS_STANZA)
string(REPLACE "Files: *" "Files: ui/fonts/*" FONTS_STANZA "${FONTS_STANZA}")
string(REGEX REPLACE "\n \\.\n*$" "\n" FONTS_STANZA "${FONTS_STANZA}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${packaging_dir}/copyright @ONLY)

# The user's part of the README (what comes before its developers' part),
# without the pictures and the ways of starting it from a clone.
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "\n## Starting it" intro_end)
string(FIND "${readme}" "\n## Working a survey" guide_begin)
string(FIND "${readme}" "\n## For developers" guide_end)
math(EXPR guide_length "${guide_end} - ${guide_begin}")
string(SUBSTRING "${readme}" 0 ${intro_end} intro)
string(SUBSTRING "${readme}" ${guide_begin} ${guide_length} guide)
string(REGEX REPLACE "!\\[[^]\n]*\\]\\([^)\n]*\\)\n\n" "" user_guide "${intro}${guide}")
file(WRITE ${packaging_dir}/README.md "${user_guide}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)

# The release date, from the changelog's first entry, for the metainfo.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog trailer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " _ "${trailer}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH "${month}" digits)
if(digits EQUAL 1)
  set(month "0${month}")
endif()
set(DRAFTSURVEY_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
set(DRAFTSURVEY_APPSTREAM_ID org.example.draftsurvey)
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in
               ${packaging_dir}/${DRAFTSURVEY_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/draftsurvey.1.in ${packaging_dir}/draftsurvey.1 @ONLY)

# The changelog of a native package, the manual page and the guide,
# compressed as Debian policy asks.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
file(COPY ${PROJECT_SOURCE_DIR}/packaging/changelog DESTINATION ${packaging_dir})
foreach(file IN ITEMS changelog draftsurvey.1 README.md)
  execute_process(COMMAND gzip -9nf ${packaging_dir}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz ${packaging_dir}/README.md.gz
        DESTINATION ${doc_dir})
install(FILES ${packaging_dir}/draftsurvey.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})
install(FILES ${packaging_dir}/${DRAFTSURVEY_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(CPack)
