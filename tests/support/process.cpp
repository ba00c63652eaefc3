// Runs a program through the platform's command processor, with its two output streams sent to
// files beside the working directory.
#include "support/process.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

int exit_code_of(int status) {
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// The text a program wrote on a standard stream into the file at path, which goes. A Windows
// program writes its console text with CR-LF line ends: the CR that each line end gained goes.
std::string take_console_text(const fs::path& path) {
    std::string text = Read_file(path);
    fs::remove(path);
#ifdef _WIN32
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.erase(at, 1);
#endif
    return text;
}

}  // namespace

ProcessResult Run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& dir, const std::string* input) {
    const fs::path out_path = fs::absolute(dir + ".stdout");
    const fs::path err_path = fs::absolute(dir + ".stderr");
    const fs::path in_path = fs::absolute(dir + ".stdin");
    std::ofstream(in_path, std::ios::binary) << (input != nullptr ? *input : std::string());
    std::string command = quoted(program);
    for (const std::string& arg : args) command += " " + quoted(arg);
    command += " <" + quoted(in_path.string()) + " >" + quoted(out_path.string()) + " 2>" +
               quoted(err_path.string());
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of a command line that starts with one.
    command = "\"" + command + "\"";
#endif
    ProcessResult result;
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    result.exit_code = exit_code_of(std::system(command.c_str()));
    fs::current_path(previous);
    fs::remove(in_path);
    result.out = take_console_text(out_path);
    result.err = take_console_text(err_path);
    return result;
}
