// QlStFi on the fuzzer's bytes as a geometry listing, writing all three
// stick-figure files (mask 4 + 8 + 16).
#include <sstream>

#include "converters/stick/StickRun.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    namespace stick = quillon::converters::stick;
    const std::string_view listing = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("bridge.lis", listing);
    quillon::FixedEnvironment environment(qf::kFixedClock, "fuzz", "/usr/bin");
    std::ostringstream out, err;
    const int status =
        stick::RunStFi({folder.File("bridge.lis"), "28"}, environment, {out, err}, folder.path());

    qf::CheckStatus("QlStFi", status, {stick::kNormalStatus, quillon::converters::kAbortStatus});
    qf::CheckConverterRun(
        folder, {"bridge.lis", {"bridge.DQ", "bridge.DXF", "bridge.MOSS"}, "Qlvr2Stick.ELF"},
        status == quillon::converters::kAbortStatus, listing, out.str() + err.str());
    return 0;
}
