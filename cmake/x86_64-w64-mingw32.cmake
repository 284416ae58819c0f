# Cross-compiles the program and its tests for 64-bit Windows with
# mingw-w64, against the Qt that scripts/build-qt-windows builds; its
# prefix comes in as DRAFTSURVEY_QT_WINDOWS.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

if(DRAFTSURVEY_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${DRAFTSURVEY_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${DRAFTSURVEY_QT_WINDOWS})
  # moc, rcc and uic come from the host's Qt, which is of the same version,
  # in the host's multiarch folder, as scripts/build-qt-windows finds it.
  execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                  OUTPUT_VARIABLE host_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake)
endif()

# Tests run under Wine, in a prefix of their own inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
