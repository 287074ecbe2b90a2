#include "toolrun.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tandem {

namespace {

std::string ReadBack(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// In the child: standard input from the given file, standard output and error into the given
// files, the memory limit set, then tandemdiff.
[[noreturn]] void Exec(const std::vector<std::string>& arguments, const std::string& inPath,
                       const std::string& outPath, const std::string& errPath, size_t memoryLimit) {
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0)
        _exit(127);
    if (!inPath.empty()) {
        int in = open(inPath.c_str(), O_RDONLY);
        if (in < 0 || dup2(in, STDIN_FILENO) < 0)
            _exit(127);
    }
    if (memoryLimit > 0) {
        const rlimit limit{memoryLimit, memoryLimit};
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(127);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(TANDEMDIFF_PATH));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(TANDEMDIFF_PATH, argv.data());
    _exit(127);
}

} // namespace

ToolRun::ToolRun() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tandemdiff-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
}

ToolRun::~ToolRun() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string ToolRun::File(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

ToolOutput ToolRun::Run(const std::vector<std::string>& arguments,
                        const RunSetting& setting) const {
    const std::string outPath = (folder_ / ".stdout").string();
    const std::string errPath = (folder_ / ".stderr").string();
    const std::string inPath = setting.input ? File(".stdin", *setting.input) : std::string();
    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start tandemdiff");
    if (child == 0)
        Exec(arguments, inPath, outPath, errPath, setting.memoryLimit);
    int wait = 0;
    waitpid(child, &wait, 0);
    ToolOutput output;
    output.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    output.out = ReadBack(outPath);
    output.err = ReadBack(errPath);
    return output;
}

} // namespace tandem
