// Quillon: the editor of geometry input decks, with the runs of the engine
// and the converters and the listing viewer.
#include "editor/window/EditorProgram.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    return quillon::editor::RunQuillon(argc, argv);
}
