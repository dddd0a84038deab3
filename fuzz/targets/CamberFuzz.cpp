// QlCamb on the fuzzer's bytes as a camber input.
#include <sstream>

#include "camber/CamberRun.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    const std::string_view input = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("girder.cmb", input);
    quillon::FixedEnvironment environment(qf::kFixedClock);
    std::ostringstream errors;
    const int status = quillon::camber::RunCamber(
        {folder.File("girder.cmb"), folder.File("girder.out")}, environment, errors);

    const std::string given = folder.InputText(input);
    qf::CheckStatus("QlCamb", status,
                    {quillon::camber::kExitNormal, quillon::camber::kExitFailure});
    qf::CheckFolderAfterRun(folder, {"girder.cmb", "girder.out"}, "girder.cmb", input);
    const std::optional<std::string> listing = folder.Read("girder.out");
    if (!listing) qf::Finding("QlCamb left no camber listing");
    qf::CheckNoNonFinite("the camber listing", *listing, given);
    qf::CheckNoNonFinite("the error stream", errors.str(), given);
    return 0;
}
