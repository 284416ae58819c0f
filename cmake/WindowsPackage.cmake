# The Windows ZIP and the 64-bit NSIS installer, DraftSurvey-<version>-win64:
# bin/ holds draftsurvey.exe with the DLLs and plugins that
# WindowsRuntime.cmake installs; licenses/ the program's, the fonts' and
# Qt's licences. The installer puts them under the 64-bit Program Files,
# adds a Start-menu shortcut and an Apps & features entry, and its
# uninstaller takes all three away again. What the program itself stored
# for the user (its placement under HKEY_CURRENT_USER) stays, as with most
# Windows programs.
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME DraftSurvey-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${DRAFTSURVEY_TITLE}")
# One Apps entry whatever the version, so that a newer installer replaces it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${DRAFTSURVEY_TITLE}")
set(CPACK_PACKAGE_EXECUTABLES draftsurvey "${DRAFTSURVEY_TITLE}")
set(CPACK_NSIS_DISPLAY_NAME "${DRAFTSURVEY_TITLE}")
set(CPACK_NSIS_PACKAGE_NAME "${DRAFTSURVEY_TITLE}")
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\draftsurvey.exe)
set(CPACK_NSIS_MUI_ICON ${DRAFTSURVEY_ICO})
set(CPACK_NSIS_MUI_UNIICON ${DRAFTSURVEY_ICO})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer, from Debian's amd64-unicode stubs, for the 64-bit
# Program Files and registry view.
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# CPack's entry has no size; Apps & features shows this one (in KiB).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX 'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}' 'EstimatedSize' $0")

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

include(CPack)
