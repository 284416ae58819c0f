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

# The changelog's first entry names the version and the release date; the
# version must be the project's, and the date is the one the metainfo and
# the manual page give.
function(changelog_field field out)
  execute_process(COMMAND dpkg-parsechangelog -l ${PROJECT_SOURCE_DIR}/packaging/changelog -S ${field}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
function(release_date format out)
  execute_process(COMMAND env LC_ALL=C date -u -d @${DRAFTSURVEY_RELEASE_TIMESTAMP} "+${format}"
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
changelog_field(Version changelog_version)
if(NOT changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog is at version ${changelog_version}, the project at "
                      "${PROJECT_VERSION}: give the new version a changelog entry.")
endif()
changelog_field(Timestamp DRAFTSURVEY_RELEASE_TIMESTAMP)
release_date("%Y-%m-%d" DRAFTSURVEY_RELEASE_DATE)
release_date("%B %Y" DRAFTSURVEY_MANUAL_DATE)

# The user's part of the README (what comes before its developers' part),
# without the ways of starting it from a clone: the guide each package
# carries. The Debian package's is text, without the pictures.
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "\n## Starting it" intro_end)
string(FIND "${readme}" "\n## Working a survey" guide_begin)
string(FIND "${readme}" "\n## For developers" guide_end)
math(EXPR guide_length "${guide_end} - ${guide_begin}")
string(SUBSTRING "${readme}" 0 ${intro_end} intro)
string(SUBSTRING "${readme}" ${guide_begin} ${guide_length} guide)
set(user_guide "${intro}${guide}")
string(REGEX REPLACE "!\\[[^]\n]*\\]\\([^)\n]*\\)\n\n" "" user_guide_text "${user_guide}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# xz, as Debian's own packages; unlike gzip it writes no time into its header.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

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

file(WRITE ${packaging_dir}/README.md "${user_guide_text}")

set(DRAFTSURVEY_APPSTREAM_ID org.example.draftsurvey)
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in
               ${packaging_dir}/${DRAFTSURVEY_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/draftsurvey.1.in ${packaging_dir}/draftsurvey.1 @ONLY)

# The changelog of a native package, the manual page and the guide,
# compressed as Debian policy asks.
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
