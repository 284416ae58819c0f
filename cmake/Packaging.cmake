# The packages. On Linux a Debian package: the program stripped, its desktop
# entry, icon and manual page, and under /usr/share/doc/draftsurvey the
# machine-readable copyright file (the program's MIT licence and the bundled
# fonts' SIL OFL) and the changelog. On Windows a ZIP and an installer: the
# program with the DLLs and plugins it uses, and the licences.
set(CPACK_PACKAGE_NAME draftsurvey)
set(CPACK_PACKAGE_VENDOR "Draft Survey developers")
set(CPACK_PACKAGE_CONTACT "Draft Survey developers <developers@draftsurvey.example.org>")
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

# The changelog of a native package and the manual page, compressed as
# Debian policy asks.
foreach(file IN ITEMS changelog draftsurvey.1)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file})
  execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${file}
                  OUTPUT_FILE ${packaging_dir}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${packaging_dir}/draftsurvey.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
