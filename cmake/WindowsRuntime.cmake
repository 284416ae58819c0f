# What a Windows program of this project needs beside it: the MinGW runtime
# DLLs and, with the windows built, Qt's DLLs, the platform plugins and the
# style plugin. Every program is built into one folder with copies of them,
# where Wine finds them as Windows would; the package installs those that
# draftsurvey.exe uses next to it.
set(DRAFTSURVEY_RUNTIME_DIR ${PROJECT_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${DRAFTSURVEY_RUNTIME_DIR})

set(mingw_runtime "")
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The MinGW runtime library ${dll} was not found.")
  endif()
  list(APPEND mingw_runtime ${path})
endforeach()
file(COPY ${mingw_runtime} DESTINATION ${DRAFTSURVEY_RUNTIME_DIR})

if(DRAFTSURVEY_GUI)
  set(qt_dlls Qt6::Core Qt6::Gui Qt6::Widgets)
  set(qt_platforms Qt6::QWindowsIntegrationPlugin)
  set(qt_styles Qt6::QWindowsVistaStylePlugin)
  # The tests also need Qt Test and the offscreen platform.
  set(test_dlls Qt6::Test)
  set(test_platforms Qt6::QOffscreenIntegrationPlugin Qt6::QMinimalIntegrationPlugin)

  set(copies "")
  foreach(target IN LISTS qt_dlls test_dlls)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:${target}> ${DRAFTSURVEY_RUNTIME_DIR})
  endforeach()
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
    COMMENT "Copying Qt's DLLs and plugins beside the programs")

  install(FILES ${mingw_runtime} DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(target IN LISTS qt_dlls)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
  foreach(target IN LISTS qt_platforms)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
  endforeach()
  foreach(target IN LISTS qt_styles)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
  endforeach()
  # The DLLs come with their symbols; the package needs none of them (the
  # program is stripped as the package is made).
  install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/*.dll\")
    foreach(dll IN LISTS dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
endif()
