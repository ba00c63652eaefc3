// Runs a program through the platform's command processor, with its two output streams sent to
// files beside the working directory.
#include "support/process.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>

#include "support/session.h"

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
    const std::string content = Read_file(path);
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

// The text a program wrote on a standard stream. A Windows program writes its console text
// with CR-LF line ends, so the CR that each line end gained is taken out again.
std::string console_text(const std::string& written) {
#ifdef _WIN32
    std::string text;
    for (size_t i = 0; i < written.size(); ++i) {
        const bool line_end_cr =
            written[i] == '\r' && i + 1 < written.size() && written[i + 1] == '\n';
        if (!line_end_cr) text += written[i];
    }
    return text;
#else
    return written;
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
    result.out = console_text(take_file(out_path));
    result.err = console_text(take_file(err_path));
    return result;
}
