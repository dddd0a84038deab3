# The main window's command logic (no Qt) and its tests.
add_library(quillon_editor_commands
  EditorSession.cpp FileBytes.cpp FileCommands.cpp HelpCommands.cpp ProgramRuns.cpp
  ListingText.cpp GeometryRun.cpp CompanionRuns.cpp WindowSettings.cpp)
target_include_directories(quillon_editor_commands PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillon_editor_commands PUBLIC quillon_editor_deck quillon_converters_common)

quillon_test(editor_commands_tests
  SOURCES tests/CommandFakes.cpp tests/FileCommandsTest.cpp tests/GeometryRunTest.cpp
          tests/CompanionRunsTest.cpp tests/ListingTextTest.cpp tests/WindowSettingsTest.cpp
          tests/HelpCommandsTest.cpp
  LIBS quillon_editor_commands)
target_compile_definitions(editor_commands_tests PRIVATE QUILLON_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
