# What a Windows program of this project needs beside it: the MinGW runtime
# DLLs and, with the windows built, Qt's DLLs, the platform plugins and the
# style plugin. Every program is built into one folder with copies of them,
# where Wine finds them as Windows would; the packages install those that
# the program uses next to it (packaging/CMakeLists.txt).
set(DRAFTSURVEY_RUNTIME_DIR ${PROJECT_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${DRAFTSURVEY_RUNTIME_DIR})

set(mingw_runtime "")
set(mingw_runtime_names libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
# The stack protector and the fortified string functions live in libssp.
if(CMAKE_CXX_FLAGS MATCHES "-fstack-protector|_FORTIFY_SOURCE")
  list(APPEND mingw_runtime_names libssp-0.dll)
endif()
foreach(dll IN LISTS mingw_runtime_names)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The MinGW runtime library ${dll} was not found.")
  endif()
  list(APPEND mingw_runtime ${path})
endforeach()
file(COPY ${mingw_runtime} DESTINATION ${DRAFTSURVEY_RUNTIME_DIR})

if(DRAFTSURVEY_GUI)
  set(qt_platforms Qt6::QWindowsIntegrationPlugin)
  set(qt_styles Qt6::QWindowsVistaStylePlugin)
  # The tests also need the offscreen platform.
  set(test_platforms Qt6::QOffscreenIntegrationPlugin Qt6::QMinimalIntegrationPlugin)

  # Plugins are loaded, not linked, so no program's runtime DLLs name them.
  set(copies "")
  foreach(target IN LISTS qt_platforms test_platforms)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:${target}> ${DRAFTSURVEY_RUNTIME_DIR}/platforms/)
  endforeach()
  foreach(target IN LISTS qt_styles)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:${target}> ${DRAFTSURVEY_RUNTIME_DIR}/styles/)
  endforeach()
  add_custom_target(windows_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DRAFTSURVEY_RUNTIME_DIR}/platforms
            ${DRAFTSURVEY_RUNTIME_DIR}/styles
    ${copies}
    COMMENT "Copying Qt's plugins beside the programs")
endif()

# Copies the Qt DLLs a program links beside it, where Windows (and Wine)
# looks for them.
function(copy_runtime_dlls target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_RUNTIME_DLLS:${target}>
            $<TARGET_FILE_DIR:${target}>
    COMMAND_EXPAND_LISTS)
endfunction()
