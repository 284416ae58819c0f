# The Windows ZIP and the 64-bit installer, DraftSurvey-<version>-win64:
# bin/ holds draftsurvey.exe with the DLLs and plugins that
# WindowsRuntime.cmake installs; licenses/ the program's, the fonts' and
# Qt's licences. CPack makes the ZIP; the installer is the project's own
# script (packaging/windows/installer.nsi), which installs for the current
# user or for everyone, and is built by the target `installer`.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME DraftSurvey-${PROJECT_VERSION}-win64)

set(licenses licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${licenses} RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/ui/fonts/LICENSE DESTINATION ${licenses}/fonts
        RENAME LiberationSans-LICENSE.txt)

# The Qt source, named by its Debian version alone: a date would make two
# builds of the same commit differ.
execute_process(COMMAND dpkg-query -W -f=\${Version} qt6-base-dev OUTPUT_VARIABLE qt_source_version
                COMMAND_ERROR_IS_FATAL ANY)
set(QT_BUILD_NOTE "qt6-base ${qt_source_version} from Debian's source package,")
configure_file(${PROJECT_SOURCE_DIR}/packaging/qt-note.txt.in
               ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt DESTINATION ${licenses}/qt)
install(DIRECTORY ${DRAFTSURVEY_QT_WINDOWS}/LICENSES/ DESTINATION ${licenses}/qt)

set(installer_files ${PROJECT_BINARY_DIR}/installer-files)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsh.in
               ${PROJECT_BINARY_DIR}/packaging/installer.nsh @ONLY)
# The installed tree, as the ZIP holds it, packed by makensis for amd64.
add_custom_target(installer
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${installer_files}
  COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${installer_files} --strip
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64 -V2
          -DDEFINES=${PROJECT_BINARY_DIR}/packaging/installer.nsh -DSTAGE=${installer_files}
          -DOUTFILE=${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.exe
          ${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi
  DEPENDS draftsurvey
  COMMENT "Making the installer ${CPACK_PACKAGE_FILE_NAME}.exe"
  VERBATIM)

include(CPack)
