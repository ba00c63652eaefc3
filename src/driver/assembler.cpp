// One run of the assembler: command line, files, the two-pass parse, start-up code and
// the outputs that the error count allows.
#include "driver/assembler.h"

#include <algorithm>
#include <string>
#include <vector>

#include "datamem/datamem.h"
#include "diag/diag.h"
#include "driver/base/files.h"
#include "driver/base/state.h"
#include "grammar/parser.h"
#include "isa/handlers.h"
#include "listing/items/srclist.h"
#include "listing/print.h"
#include "listing/startup.h"
#include "rom/rom.h"
#include "scan/reader.h"
#include "scan/tokens.h"
#include "symbols/report.h"
#include "symbols/symbols.h"

namespace {

constexpr const char* kSourceExtension = "asm";

void print_console(const std::string& text) { std::fputs(text.c_str(), consolefp); }

// curFile with its last three characters replaced by ext.
std::string derived_name(const std::string& curFile, const char* ext) {
    return curFile.substr(0, curFile.size() - 3) + ext;
}

// The names of the files of one run, derived once from the source name.
struct FileNames {
    explicit FileNames(const std::string& curFile)
        : source(curFile),
          err(derived_name(curFile, "err")),
          list(derived_name(curFile, "asl")),
          dbg(derived_name(curFile, "dbg")),
          hex(derived_name(curFile, "mem")) {}

    std::string source, err, list, dbg, hex;
};

struct OutputFile {
    std::FILE** stream;
    std::string name;
};

// Opens the seven files in their fixed order; on failure reports it and returns its exit
// code, leaving the files already created in place.
int open_files(const FileNames& names) {
    struct Opening {
        std::FILE** stream;
        std::string name;
        const char* mode;
        std::string failure;
        int exit_code;
    };
    const Opening openings[] = {
        {&infp, names.source, "r", "Unable to open " + names.source + "\n", EXIT_NO_SOURCE},
        {&errfp, names.err, "w", "Could not open error file: " + names.err + "\n",
         EXIT_NO_LOG_FILE},
        {&listfp, names.list, "w", "Could not open listfile: " + names.list + "\n",
         EXIT_NO_LOG_FILE},
        {&dbgfp, names.dbg, "w", "Could not open debug file: " + names.dbg + "\n",
         EXIT_NO_OUTPUT_FILE},
        {&vhdlfp, "prog_rom.vhd", "w", "Could not open vhdl file:\n", EXIT_NO_OUTPUT_FILE},
        {&vhdlfpx, "xprog_rom.vhd", "w", "Could not open vhdl file:\n", EXIT_NO_OUTPUT_FILE},
        {&raw_hex_fp, names.hex, "w", "Could not open raw hex file: " + names.hex + "\n",
         EXIT_NO_LOG_FILE},
    };
    for (const Opening& opening : openings) {
        *opening.stream = std::fopen(opening.name.c_str(), opening.mode);
        if (*opening.stream == nullptr) {
            print_console(opening.failure);
            Reset_files();
            return opening.exit_code;
        }
    }
    return EXIT_OK;
}

// An error that the driver finds itself after the parse: logged, printed and counted, but
// attached to no line.
void report_driver_error(const std::string& message) {
    std::fputs(message.c_str(), errfp);
    print_console(message);
    errCnt++;
}

// After the parse: the start-up code, the check that the code starts above it, and the check
// that no valid instruction was put back (by .ORG) into the words it fills.
void insert_start_up_code() {
    const int n = How_many_mem_locs_need_initializing();
    const int a = Find_cseg_addr_of_first_instruction(SrcList);
    const bool starts_too_low = n != 0 && a < 2 * n;
    if (starts_too_low) {
        report_driver_error(
            Format_message("\n .CSEG must start at address %d or greater \n", 2 * n));
    }
    if (n == 0 && a == 0) return;
    Insert_start_up_code(SrcList, data_mem_array, data_init_array,
                         Find_source_line_of_first_instruction(SrcList), a);
    if (starts_too_low) return;
    const int start_up_words = 2 * n + (2 * n < a ? 1 : 0);
    // Every instruction line took its address, so without a taken address under the start-up
    // words the walk of a possibly long list can be skipped.
    if (std::none_of(codeAddrTaken, codeAddrTaken + start_up_words,
                     [](bool taken) { return taken; })) {
        return;
    }
    for (const srcItem_t* item = SrcList->head; item != nullptr; item = item->next) {
        if (Is_instruction_line(item->line_type) && item->instr_addr < start_up_words) {
            report_driver_error(
                Format_message("\n Overlapping code at address 0x%03X \n", item->instr_addr));
        }
    }
}

void write_outputs() {
    if (errCnt == 0 && syntaxErrCnt == 0) {
        Generate_srcList_debug_file(SrcList, dbgfp);
        Generate_vhdl_prog_rom(SrcList, vhdlfp);
        Generate_vhdl_prog_rom_generic(SrcList, vhdlfpx);
        Generate_raw_hex_file(SrcList, raw_hex_fp);
    } else {
        std::fputs("\nErrors in source code: no debug or VHDL file generated\n\n", dbgfp);
    }
    Print_srcList(SrcList, listfp);
    Delete_srcList(SrcList);
    tmpItem = nullptr;
    Print_symbol_table(Symbol_Table, listfp);
    Delete_symbol_table(Symbol_Table);
    Symbol_Table = nullptr;
}

// Closes every stream, the source first and the hex file last; returns the names of the outputs
// that could not be written in full.
std::vector<std::string> close_files(const FileNames& names) {
    const OutputFile closings[] = {
        {&infp, names.source},    {&listfp, names.list},     {&errfp, names.err},
        {&dbgfp, names.dbg},      {&vhdlfp, "prog_rom.vhd"}, {&vhdlfpx, "xprog_rom.vhd"},
        {&raw_hex_fp, names.hex},
    };
    std::vector<std::string> failed;
    for (const OutputFile& file : closings) {
        const bool write_error = std::ferror(*file.stream) != 0;
        const bool close_error = std::fclose(*file.stream) != 0;
        *file.stream = nullptr;
        if ((write_error || close_error) && file.stream != &infp) failed.push_back(file.name);
    }
    return failed;
}

}  // namespace

int Run_tevlin(int argc, const char* const* argv) {
    if (argc != 2) {
        print_console("\nUsage: (version 02-15-2019) \n\n");
        print_console("tevlin  inputfile\n\n");
        return EXIT_USAGE;
    }
    const std::string curFile = argv[1];
    if (IsFilenameExtensionValid(curFile.c_str(), kSourceExtension) == 0) {
        print_console(
            Format_message("Filename: %s => must use .%s extension\n", argv[1], kSourceExtension));
        return EXIT_BAD_EXTENSION;
    }
    for (unsigned char& state : data_init_array) state = DATA_UNDEFINED;

    const FileNames names(curFile);
    const int open_result = open_files(names);
    if (open_result != EXIT_OK) return open_result;
    yyin = infp;
    SrcList = Create_srcList();
    Symbol_Table = Create_symTable();

    while (!Scanner_input_ended()) yyparse();

    insert_start_up_code();
    write_outputs();
    const std::vector<std::string> failed = close_files(names);
    yyin = nullptr;
    delete SrcList;
    SrcList = nullptr;

    for (const std::string& name : failed) {
        print_console("Could not write file: " + name + "\n");
    }
    return failed.empty() ? EXIT_OK : EXIT_WRITE_FAILED;
}

void Reset_all_state() {
    Reset_files();
    Reset_assembly_state();
    Reset_reader();
    Reset_scanner();
    Reset_diag();
    Reset_grammar();
    Reset_handlers();
    Reset_datamem();
    Reset_srclist();
    Reset_symbols();
}
