# The resources Windows reads from a program file: an icon drawn from the
# program's SVG in the sizes Windows shows, version details from the
# project's version, and a manifest (app/resources/windows/).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(DRAFTSURVEY_ICON_SIZES 16 32 48 256)
# The icon's place, which the installer also takes for its own.
set(DRAFTSURVEY_ICO ${PROJECT_BINARY_DIR}/windows-resources/draftsurvey.ico)

# Writes `ico` from `svg`: each size drawn by rsvg-convert, the largest
# kept as PNG inside the icon, as Windows expects at 256 pixels.
function(add_windows_icon svg ico)
  get_filename_component(dir ${ico} DIRECTORY)
  set(pngs "")
  set(commands "")
  foreach(size IN LISTS DRAFTSURVEY_ICON_SIZES)
    set(png ${dir}/icon-${size}.png)
    list(APPEND commands COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg})
    if(size EQUAL 256)
      list(APPEND pngs -r ${png})
    else()
      list(APPEND pngs ${png})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${ico} ${commands}
                     COMMAND ${ICOTOOL} -c -o ${ico} ${pngs}
                     DEPENDS ${svg}
                     COMMENT "Drawing the Windows icon from ${svg}")
endfunction()

# Links the icon, version details and manifest into `target`.
function(add_windows_resources target svg)
  get_filename_component(dir ${DRAFTSURVEY_ICO} DIRECTORY)
  set(source ${PROJECT_SOURCE_DIR}/app/resources/windows)
  set(DRAFTSURVEY_MANIFEST ${dir}/draftsurvey.manifest)
  add_windows_icon(${svg} ${DRAFTSURVEY_ICO})
  configure_file(${source}/draftsurvey.manifest.in ${DRAFTSURVEY_MANIFEST} @ONLY)
  configure_file(${source}/draftsurvey.rc.in ${dir}/draftsurvey.rc @ONLY)
  set_source_files_properties(${dir}/draftsurvey.rc PROPERTIES
                              OBJECT_DEPENDS "${DRAFTSURVEY_ICO};${DRAFTSURVEY_MANIFEST}")
  target_sources(${target} PRIVATE ${dir}/draftsurvey.rc)
endfunction()
