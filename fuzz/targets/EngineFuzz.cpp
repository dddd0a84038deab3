// The geometry engine on the fuzzer's bytes as a deck, in the build that
// QUILLON_FUZZ_METRIC chooses (1: QlMetr, 0: QlEngl).
#include <sstream>

#include "engine/problem/EngineMain.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

namespace {

constexpr bool kMetric = QUILLON_FUZZ_METRIC != 0;
constexpr const char* kProgram = kMetric ? "QlMetr" : "QlEngl";
constexpr const char* kNormalTermination = "Normal termination";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    const std::string_view deck = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("deck.dat", deck);
    quillon::FixedEnvironment environment(qf::kFixedClock);
    std::ostringstream console, errors;
    const int status = quillon::engine::RunEngine(
        {folder.File("deck.dat"), folder.File("deck.lis")},
        kMetric ? quillon::engine::EngineVariant::Metric : quillon::engine::EngineVariant::English,
        environment, console, errors);

    const std::string given = folder.InputText(deck);
    qf::CheckStatus(kProgram, status, {0, 4});
    qf::CheckFolderAfterRun(folder, {"deck.dat", "deck.lis"}, "deck.dat", deck);
    const std::optional<std::string> listing = folder.Read("deck.lis");
    if (!listing) qf::Finding("the engine left no listing");
    const bool saysNormal = console.str().find(kNormalTermination) != std::string::npos;
    if (saysNormal != (status == 0))
        qf::Finding("the console and the exit status disagree",
                    "status " + std::to_string(status) + ", console: " + console.str());
    if (status == 0 && deck.find("FATAL ERROR") == std::string_view::npos) {
        if (auto line = qf::FatalErrorBoxLine(*listing))
            qf::Finding("a listing with a FATAL ERROR box ended with status 0", *line);
    }
    qf::CheckNoNonFinite("the listing", *listing, given);
    qf::CheckNoNonFinite("the console", console.str() + errors.str(), given);
    return 0;
}
