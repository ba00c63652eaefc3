// Runs a program through the platform's command processor, with its two output streams sent to
// files beside the working directory.
#include "support/process.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
#ifdef _WIN32
    return "\"" + text + "\"";
#else
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

std::string take_file(const fs::path& path) {
    std::string content;
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        content = text.str();
    }
    std::error_code ignored;
    fs::remove(path, ignored);
    return content;
}

int exit_code_of(int status) {
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// Enters a directory for the lifetime of the object.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const fs::path& dir) : previous_(fs::current_path()) {
        fs::current_path(dir);
    }
    ~WorkingDirectory() { fs::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    fs::path previous_;
};

}  // namespace

ProcessResult Run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& dir) {
    const fs::path out_path = fs::absolute(dir + ".stdout");
    const fs::path err_path = fs::absolute(dir + ".stderr");
    std::string command = quoted(program);
    for (const std::string& arg : args) command += " " + quoted(arg);
    command += " >" + quoted(out_path.string()) + " 2>" + quoted(err_path.string());
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of a command line that starts with one.
    command = "\"" + command + "\"";
#endif
    ProcessResult result;
    {
        const WorkingDirectory inside(dir);
        result.exit_code = exit_code_of(std::system(command.c_str()));
    }
    result.out = take_file(out_path);
    result.err = take_file(err_path);
    return result;
}
