// Quillon: the editor of geometry input decks, with the runs of the engine
// and the converters and the listing viewer.
#include "editor/window/EditorProgram.hpp"

int main(int argc, char** argv) { return quillon::editor::RunQuillon(argc, argv); }
