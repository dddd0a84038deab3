// QlM2e on the fuzzer's bytes as a metric deck.
#include <sstream>

#include "converters/m2e/M2eRun.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    namespace m2e = quillon::converters::m2e;
    const std::string_view deck = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("deck.dat", deck);
    quillon::FixedEnvironment environment(qf::kFixedClock, "fuzz", "/usr/bin");
    std::ostringstream out, err;
    const int status =
        m2e::RunM2e({folder.File("deck.dat")}, environment, {out, err}, folder.path());

    qf::CheckStatus("QlM2e", status, {0, m2e::kNotMetricStatus, quillon::converters::kAbortStatus});
    qf::CheckConverterRun(folder, {"deck.dat", {"deck.BIP"}, "QlvrM2E.ELF"},
                          status == quillon::converters::kAbortStatus, deck, out.str() + err.str());
    return 0;
}
