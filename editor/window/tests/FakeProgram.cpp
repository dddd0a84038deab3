// A stand-in for the system's programs in the editor's tests. Copied into a
// test's program folder under a program's name (QlEngl, QlM2e...), it reads
// what to do from "<name>.plan" beside it, one step a line:
//
//   write N       writes the file its argument N (from 0) names
//   writefile F   writes the file F (relative to its working folder)
//   say TEXT      prints TEXT and a line end on its standard output
//   sleep         waits until it is killed (at most a minute)
//   crash         kills itself
//   exit N        ends with status N (0 when the plan has no exit)
//
// Each run appends to "<name>.calls" beside it: "run", "folder=<working
// folder>", an "arg=<argument>" line per argument and "end".
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void WriteWhole(const std::filesystem::path& file, const std::string& content) {
    const std::filesystem::path temporary = file.string() + ".fake-tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << content;
    }
    std::error_code ignored;
    std::filesystem::rename(temporary, file, ignored);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string name = self.filename().string();
    const std::filesystem::path folder = self.parent_path();
    const std::vector<std::string> args(argv + 1, argv + argc);
    {
        std::ofstream calls(folder / (name + ".calls"), std::ios::app);
        calls << "run\nfolder=" << std::filesystem::current_path().string() << "\n";
        for (const std::string& arg : args) calls << "arg=" << arg << "\n";
        calls << "end\n";
    }
    std::ifstream plan(folder / (name + ".plan"));
    std::string line;
    int status = 0;
    while (std::getline(plan, line)) {
        std::istringstream step(line);
        std::string what;
        step >> what;
        if (what == "write") {
            std::size_t index = 0;
            step >> index;
            if (index < args.size()) WriteWhole(args[index], "written by " + name + "\n");
        } else if (what == "writefile") {
            std::string file;
            std::getline(step >> std::ws, file);
            WriteWhole(file, "written by " + name + "\n");
        } else if (what == "say") {
            std::string text;
            std::getline(step >> std::ws, text);
            std::cout << text << std::endl;
        } else if (what == "sleep") {
            for (int i = 0; i < 600; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        } else if (what == "crash") {
            std::raise(SIGKILL);
        } else if (what == "exit") {
            step >> status;
        }
    }
    return status;
}
