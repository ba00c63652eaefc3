// The cheapest process that leaves the same files as one assembler run: it copies finished
// outputs from a reference directory into the working directory under the same names, with
// buffered writes, so its time is process start-up plus creating and writing those files.
//
// Usage: write_floor REFERENCE_DIR NAME...
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: write_floor REFERENCE_DIR NAME...\n", stderr);
        return 2;
    }
    const std::string reference = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string name = argv[i];
        std::FILE* in = std::fopen((reference + "/" + name).c_str(), "rb");
        std::FILE* out = std::fopen(name.c_str(), "wb");
        if (in == nullptr || out == nullptr) {
            std::fprintf(stderr, "write_floor: cannot copy %s\n", name.c_str());
            return 1;
        }
        char buffer[1 << 16];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
            std::fwrite(buffer, 1, count, out);
        }
        std::fclose(in);
        std::fclose(out);
    }
    return 0;
}
