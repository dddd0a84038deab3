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
    quillon::FixedEnvironment environment(quillon::LocalTime{2002, 7, 9, 14, 5, 33}, "fuzz",
                                          "/usr/bin");
    std::ostringstream out, err;
    const int status =
        m2e::RunM2e({folder.File("deck.dat")}, environment, {out, err}, folder.path());

    const std::string given = folder.InputText(deck);
    qf::CheckStatus("QlM2e", status, {0, m2e::kNotMetricStatus, quillon::converters::kAbortStatus});
    const bool failed = status == quillon::converters::kAbortStatus;
    qf::CheckFolderAfterRun(folder,
                            failed
                                ? std::vector<std::string>{"QlvrM2E.ELF", "deck.dat"}
                                : std::vector<std::string>{"QlvrM2E.ELF", "deck.BIP", "deck.dat"},
                            "deck.dat", deck);
    const std::optional<std::string> english = folder.Read("deck.BIP");
    if (!failed && !english) qf::Finding("QlM2e ended well and left no English deck");
    if (english) qf::CheckNoNonFinite("the English deck", *english, given);
    if (auto log = folder.Read("QlvrM2E.ELF")) qf::CheckNoNonFinite("the log", *log, given);
    qf::CheckNoNonFinite("the console", out.str() + err.str(), given);
    return 0;
}
