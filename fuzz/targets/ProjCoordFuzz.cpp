// QlPrCo on the fuzzer's bytes as a geometry listing, with offsets and a
// bearing of every kind of field (a negative offset, decimal seconds).
#include <sstream>

#include "converters/projcoord/PrCoRun.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    const std::string_view listing = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("bridge.lis", listing);
    quillon::FixedEnvironment environment(qf::kFixedClock, "fuzz", "/usr/bin");
    std::ostringstream out, err;
    const int status = quillon::converters::projcoord::RunPrCo(
        {folder.File("bridge.lis"), folder.File("bridge.pcf"), "250000.5", "-1200", "N", "45", "30",
         "15.5", "E"},
        environment, {out, err});

    qf::CheckStatus("QlPrCo", status, {0, quillon::converters::kAbortStatus});
    qf::CheckConverterRun(folder, {"bridge.lis", {"bridge.pcf"}, ""},
                          status == quillon::converters::kAbortStatus, listing,
                          out.str() + err.str());
    return 0;
}
