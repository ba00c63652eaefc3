// tevlin-lsp run as a separate process on transcripts, as clangd is tested: each file under
// tests/lsp/transcripts holds what a client sends ("-->", sent as it stands, so also text that is
// no JSON) and what the server must send back ("<--"), in order, and the exit code it must end
// with ("exit N"). An expected message must be held by the one sent: each member it names with
// its value, arrays element by element, where "..." stands for any run of elements.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "lsp/framing.h"
#include "lsp/json.h"
#include "support/process.h"
#include "support/session.h"
#include "support/tempdir.h"

namespace {

namespace fs = std::filesystem;

struct Transcript {
    std::string input;
    std::vector<Json> expected;
    int exit_code = 0;
};

Transcript read_transcript(const fs::path& path) {
    Transcript transcript;
    std::istringstream lines(Read_file(path));
    std::string block;
    char direction = 0;
    const auto end_block = [&] {
        if (direction == '>') transcript.input += Frame(block);
        if (direction == '<') transcript.expected.push_back(Json::parse(block));
        block.clear();
        direction = 0;
    };
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("-->", 0) == 0 || line.rfind("<--", 0) == 0) {
            end_block();
            direction = line[0] == '-' ? '>' : '<';
            block = line.substr(4);
        } else if (line.rfind("exit ", 0) == 0) {
            end_block();
            transcript.exit_code = std::stoi(line.substr(5));
        } else if (line.empty() || line[0] == '#') {
            end_block();
        } else {
            block += "\n" + line;
        }
    }
    end_block();
    return transcript;
}

// The messages that the server sent. A Windows program's standard output loses the carriage
// returns of its line ends on the way here, header lines among them.
std::vector<Json> messages_sent(std::string output) {
    for (size_t at = 0; (at = output.find("\n\n", at)) != std::string::npos;) {
        output.replace(at, 2, "\r\n\r\n");
        at += 4;
    }
    FrameReader frames;
    frames.feed(output);
    std::vector<Json> messages;
    while (const std::optional<std::string> message = frames.next()) {
        messages.push_back(Json::parse(*message, nullptr, false));
    }
    return messages;
}

bool holds(const Json& actual, const Json& expected);

// Whether the elements of actual from a on match those of expected from e on, "..." in expected
// taking any run of them.
bool holds_elements(const Json& actual, size_t a, const Json& expected, size_t e) {
    if (e == expected.size()) return a == actual.size();
    if (expected[e] == "...") {
        for (size_t skip = a; skip <= actual.size(); skip++) {
            if (holds_elements(actual, skip, expected, e + 1)) return true;
        }
        return false;
    }
    return a < actual.size() && holds(actual[a], expected[e]) &&
           holds_elements(actual, a + 1, expected, e + 1);
}

bool holds(const Json& actual, const Json& expected) {
    if (expected.is_object()) {
        return actual.is_object() &&
               std::all_of(expected.items().begin(), expected.items().end(), [&](const auto& item) {
                   return actual.contains(item.key()) && holds(actual[item.key()], item.value());
               });
    }
    if (expected.is_array()) return actual.is_array() && holds_elements(actual, 0, expected, 0);
    return actual == expected;
}

TEST(LanguageServer, Transcripts) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(TEVLIN_SOURCE_DIR "/tests/lsp/transcripts")) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const Transcript transcript = read_transcript(file);
        TempDir dir;
        const ProcessResult run = Run_program(TEVLIN_LSP_BINARY, {}, dir.path(), &transcript.input);
        EXPECT_EQ(run.exit_code, transcript.exit_code);
        const std::vector<Json> sent = messages_sent(run.out);
        EXPECT_EQ(sent.size(), transcript.expected.size());
        for (size_t i = 0; i < std::min(sent.size(), transcript.expected.size()); i++) {
            EXPECT_TRUE(holds(sent[i], transcript.expected[i])) << "message " << i + 1 << " sent:\n"
                                                                << sent[i].dump() << "\nexpected:\n"
                                                                << transcript.expected[i].dump();
        }
    }
}

// After framing it cannot read, text that is no JSON and a document of 5 MB with a line of
// 1 MB, the server still answers each request right.
TEST(LanguageServer, AnswersRightAfterBrokenInputAndALargeDocument) {
    std::string text;
    for (int i = 0; text.size() < 4'000'000; i++)
        text += "; a comment of some length, " + std::to_string(i) + "\n";
    text += "; " + std::string(1'000'000, '=') + "\nstart:  BRN start\n";
    const int last_line = static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 1;
    const auto message = [](const Json& body) { return Frame(Serialize(body)); };
    const std::string uri = "file:///large.asm";
    const std::string input =
        "no header at all\r\n\r\nContent-Length: 1x\r\n\r\nContent-Length: "
        "12345678901234567890\r\n\r\n" +
        Frame("{\"jsonrpc\":\"2.0\",\"id\":1,") +
        message(
            {{"jsonrpc", "2.0"}, {"id", 2}, {"method", "initialize"}, {"params", Json::object()}}) +
        message({{"jsonrpc", "2.0"},
                 {"method", "textDocument/didOpen"},
                 {"params", {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", text}}}}}}) +
        message({{"jsonrpc", "2.0"},
                 {"id", 3},
                 {"method", "textDocument/definition"},
                 {"params",
                  {{"textDocument", {{"uri", uri}}},
                   {"position", {{"line", last_line}, {"character", 14}}}}}}) +
        message({{"jsonrpc", "2.0"}, {"id", 4}, {"method", "shutdown"}}) +
        message({{"jsonrpc", "2.0"}, {"method", "exit"}});
    TempDir dir;
    const ProcessResult run = Run_program(TEVLIN_LSP_BINARY, {}, dir.path(), &input);
    EXPECT_EQ(run.exit_code, 0);
    const std::vector<Json> sent = messages_sent(run.out);
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[0]["error"]["code"], -32700);
    EXPECT_EQ(sent[1]["id"], 2);
    EXPECT_EQ(sent[2]["params"]["diagnostics"], Json::array());
    const Json range = {{"start", {{"line", last_line}, {"character", 0}}},
                        {"end", {{"line", last_line}, {"character", 5}}}};
    EXPECT_EQ(sent[3]["result"], Json({{"uri", uri}, {"range", range}}));
    EXPECT_EQ(sent[4]["result"], nullptr);
}

}  // namespace
