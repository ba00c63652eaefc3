// Entry point of the tevlin-dis command: prints assembly source for a program-memory image that
// tevlin wrote, so that the program in a ROM can be read without its source.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "listing/disassembly.h"
#include "rom/image_reader.h"

namespace {

enum DisExitCode : int {
    DIS_OK = 0,              // every word is an instruction
    DIS_USAGE = 1,           // not exactly one argument
    DIS_BAD_FILE = 2,        // unreadable, not an image file, or not as tevlin writes it
    DIS_NO_INSTRUCTION = 3,  // some word is no instruction
    DIS_WRITE_FAILED = 4,    // standard output could not be written in full
};

// Far more than any image file, even with CR-LF line ends and blanks at their ends.
constexpr size_t kLargestFile = size_t{1} << 20;

constexpr char kUsage[] = R"(Usage: tevlin-dis FILE

Prints assembly source for FILE, a NAME.mem, prog_rom.vhd or xprog_rom.vhd that tevlin wrote
(recognised by its content). Assembled again, the source gives the same program memory.

Exit codes: 0 every word is an instruction; 1 usage; 2 FILE cannot be read or is not an image
file as tevlin writes it; 3 some word is no instruction (it is printed as a comment); 4 the
output could not be written.

Options (each alone on the command line):
  -h, --help     print this help and exit
  --version      print the version and exit
)";

// Reads the whole file into text; on failure returns false with the reason in fault.
bool read_file(const char* path, std::string* text, std::string* fault) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        *fault = std::string("cannot be opened: ") + std::strerror(errno);
        return false;
    }
    char chunk[4096];
    size_t got;
    while (text->size() <= kLargestFile && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text->append(chunk, got);
    }
    const int read_error = std::ferror(file) != 0 ? errno : 0;
    std::fclose(file);
    if (read_error != 0) {
        *fault = std::string("cannot be read: ") + std::strerror(read_error);
    } else if (text->size() > kLargestFile) {
        *fault = "is too large to be an image file";
    }
    return fault->empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return DIS_OK;
        }
        if (arg == "--version") {
            std::fputs("tevlin-dis " TEVLIN_VERSION "\n", stdout);
            return DIS_OK;
        }
    }
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return DIS_USAGE;
    }
    const char* path = argv[1];
    std::string text;
    std::string fault;
    if (!read_file(path, &text, &fault)) {
        std::fprintf(stderr, "tevlin-dis: %s: %s\n", path, fault.c_str());
        return DIS_BAD_FILE;
    }
    const RomImage rom = Read_rom_image(text);
    if (rom.kind == ImageKind::kUnrecognised) {
        std::fprintf(stderr, "tevlin-dis: %s: %s\n", path, rom.fault.c_str());
        return DIS_BAD_FILE;
    }
    if (!rom.fault.empty()) {
        std::fprintf(stderr, "tevlin-dis: %s (%s): %s\n", path, Rom_image_name(rom.kind),
                     rom.fault.c_str());
        return DIS_BAD_FILE;
    }

    const Disassembly disassembly = Disassemble_image(rom.words.data(), Rom_image_name(rom.kind));
    for (const int addr : disassembly.undecoded) {
        std::fprintf(stderr,
                     "tevlin-dis: %s: the word 0x%05X at address 0x%03X is no instruction\n", path,
                     rom.words[static_cast<size_t>(addr)], addr);
    }
    std::fwrite(disassembly.source.data(), 1, disassembly.source.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("tevlin-dis: standard output could not be written\n", stderr);
        return DIS_WRITE_FAILED;
    }
    return disassembly.undecoded.empty() ? DIS_OK : DIS_NO_INSTRUCTION;
}
