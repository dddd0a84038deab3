# The main window's command logic (no Qt) and its tests.
add_library(quillon_editor_commands
  EditorSession.cpp FileBytes.cpp FileCommands.cpp HelpCommands.cpp InstalledFolders.cpp ProgramRuns.cpp
  ListingText.cpp GeometryRun.cpp CompanionRuns.cpp WindowSettings.cpp)
target_include_directories(quillon_editor_commands PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillon_editor_commands PUBLIC quillon_editor_deck quillon_converters_common)

quillon_test(editor_commands_tests
  SOURCES tests/CommandFakes.cpp tests/FileCommandsTest.cpp tests/GeometryRunTest.cpp
          tests/CompanionRunsTest.cpp tests/ListingTextTest.cpp tests/WindowSettingsTest.cpp
          tests/HelpCommandsTest.cpp tests/InstalledFoldersTest.cpp
  LIBS quillon_editor_commands
  DEFINES QUILLON_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

# The editor's windows on Qt 6.
add_library(quillon_editor_windows
  ProcessRunner.cpp FileDialogChooser.cpp MessageBoxes.cpp IniSettingsStore.cpp
  ListingPrinter.cpp HelpWindow.cpp AboutBox.cpp RunForms.cpp MainWindow.cpp
  MainWindowForms.cpp EditorProgram.cpp)
set_target_properties(quillon_editor_windows PROPERTIES AUTOMOC ON)
target_link_libraries(quillon_editor_windows
  PUBLIC quillon_editor_commands quillon_editor_forms quillon_environment Qt6::Widgets
         Qt6::PrintSupport)

# Where an installed editor finds its programs and its help page: the
# folders of the install, relative to its prefix.
set(QUILLON_HELP_DIR ${CMAKE_INSTALL_DATADIR}/quillon)
target_compile_definitions(quillon_editor_windows PRIVATE
  QUILLON_INSTALL_PREFIX="${CMAKE_INSTALL_PREFIX}"
  QUILLON_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}"
  QUILLON_INSTALL_HELPDIR="${QUILLON_HELP_DIR}")

# The editor, in the folder of the programs it starts, with its help page;
# installed beside the programs, the page in share/quillon/, and its desktop
# entry.
add_executable(Quillon QuillonMain.cpp)
target_link_libraries(Quillon PRIVATE quillon_editor_windows)
set_target_properties(Quillon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLON_PROGRAM_DIR})
configure_file(Quillon.html ${QUILLON_PROGRAM_DIR}/Quillon.html COPYONLY)
install(TARGETS Quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES Quillon.html DESTINATION ${QUILLON_HELP_DIR})
install(FILES quillon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

if(NOT QUILLON_BUILD_TESTS)
  return()
endif()

# A stand-in for the system's programs in the window tests.
add_executable(quillon_fake_program tests/FakeProgram.cpp)

set(QUILLON_SCREENSHOTS_DIR ${PROJECT_BINARY_DIR}/editor/screenshots)
file(MAKE_DIRECTORY ${QUILLON_SCREENSHOTS_DIR})
function(quillon_window_test name)
  quillon_qt_test(${name} SOURCES tests/${name}.cpp tests/WindowTestSupport.cpp tests/CommandFakes.cpp
                  LIBS quillon_editor_windows quillon_editor_commands
                  DEFINES QUILLON_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                          QUILLON_BIN_DIR="${QUILLON_PROGRAM_DIR}"
                          QUILLON_FAKE_PROGRAM="$<TARGET_FILE:quillon_fake_program>"
                          QUILLON_SCREENSHOTS_DIR="${QUILLON_SCREENSHOTS_DIR}")
  add_dependencies(${name} quillon_fake_program)
endfunction()

quillon_window_test(MainWindowTest)
quillon_window_test(GeometryRunWindowTest)
add_dependencies(GeometryRunWindowTest QlEngl QlMetr QlM2e)
quillon_window_test(RunFormsTest)
add_dependencies(RunFormsTest QlEngl Ql2Cmb QlCamb)
quillon_window_test(QtServicesTest)
add_dependencies(QtServicesTest Quillon)
