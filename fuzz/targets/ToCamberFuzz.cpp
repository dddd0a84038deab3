// Ql2Cmb on the fuzzer's bytes as a geometry listing, for the girders 1-20.
#include <sstream>

#include "converters/tocamber/ToCamberRun.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    namespace tc = quillon::converters::tocamber;
    const std::string_view listing = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("bridge.lis", listing);
    quillon::FixedEnvironment environment(qf::kFixedClock, "fuzz", "/usr/bin");
    std::ostringstream out, err;
    const int status = tc::RunToCamber({folder.File("bridge.lis"), "1-20"}, environment, {out, err},
                                       folder.path());

    qf::CheckStatus("Ql2Cmb", status, {tc::kNormalStatus, quillon::converters::kAbortStatus});
    qf::CheckConverterRun(folder, {"bridge.lis", {"bridge.CMB"}, "Qlvr2Cmbr.ELF"},
                          status == quillon::converters::kAbortStatus, listing,
                          out.str() + err.str());
    return 0;
}
