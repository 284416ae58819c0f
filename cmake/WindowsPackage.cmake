# The Windows ZIP and NSIS installer, DraftSurvey-<version>-win64: bin/ holds
# draftsurvey.exe with the DLLs and plugins that WindowsRuntime.cmake
# installs; licenses/ the program's, the fonts' and Qt's licences. The
# installer adds a Start menu entry and an uninstaller.
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME DraftSurvey-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Draft Survey")
set(CPACK_PACKAGE_EXECUTABLES draftsurvey "Draft Survey")
set(CPACK_NSIS_DISPLAY_NAME "Draft Survey ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Draft Survey")
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\draftsurvey.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

set(licenses licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${licenses} RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/ui/fonts/LICENSE DESTINATION ${licenses}/fonts
        RENAME LiberationSans-LICENSE.txt)

file(READ ${DRAFTSURVEY_QT_WINDOWS}/.finished QT_BUILD_NOTE)
string(STRIP "${QT_BUILD_NOTE}" QT_BUILD_NOTE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/qt-note.txt.in
               ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/README-Qt.txt DESTINATION ${licenses}/qt)
install(DIRECTORY ${DRAFTSURVEY_QT_WINDOWS}/LICENSES/ DESTINATION ${licenses}/qt)

include(CPack)
