#include <stdlib.h>
#include <string.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/tools/tool_runner.h"
#include "tools/savegame_writer/savegame_writer.h"

namespace {

const SampleLayout kLayout = {{10, 20, 30, 40, 50}, 0, 0};

ToolResult Tool(const std::vector<std::string>& args)
{
    return RunProgram(HM_PACKAGE_TOOL, args);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

uint32_t Bits(float f)
{
    uint32_t u;
    memcpy(&u, &f, 4);
    return u;
}

class PackageToolTest : public ::testing::Test {
protected:
    std::string Savegame(const std::vector<SampleRecord>& records)
    {
        std::string path = dir_.File("game.b");
        EXPECT_TRUE(WriteFileBytes(path, BuildSavegame(kLayout, records)));
        return path;
    }

    TempDir dir_;
};

TEST_F(PackageToolTest, CsvReadsBackToTheSameFloats)
{
    std::vector<SampleRecord> records = {
        {154, 1.0f / 3.0f, -2048.0f, 9.99f},
        {12, 5, 5, 5},
        {154, -0.0f, 1e30f, 15.01f},
        {154, 0.1f, 1.17549435e-38f, 1e-45f},
    };
    ToolResult r = Tool({"list", "--format", "csv", Savegame(records)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "x,y,z");
    EXPECT_EQ(lines[2], "-0,1.00000002e+30,15.0100002");

    int line = 1;
    for (const SampleRecord& rec : records) {
        if (rec.type != 154) {
            continue;
        }
        float x, y, z;
        char tail;
        ASSERT_EQ(sscanf(lines[line].c_str(), "%g,%g,%g%c", &x, &y, &z, &tail), 3) << lines[line];
        EXPECT_EQ(Bits(x), Bits(rec.x)) << lines[line];
        EXPECT_EQ(Bits(y), Bits(rec.y)) << lines[line];
        EXPECT_EQ(Bits(z), Bits(rec.z)) << lines[line];
        line++;
    }
}

TEST_F(PackageToolTest, JsonHoldsTheCountAndTheList)
{
    float nan;
    uint32_t nanBits = 0x7FC00000;
    memcpy(&nan, &nanBits, 4);
    ToolResult r = Tool({"list", "--format=json", Savegame({{154, 1.5f, -2.0f, 12.0f},
                                                            {154, nan, 0.0f, 0.25f}})});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"count\": 2, \"packages\": [\n"
              "  {\"x\": 1.5, \"y\": -2, \"z\": 12},\n"
              "  {\"x\": null, \"y\": 0, \"z\": 0.25}\n"
              "]}\n");

    r = Tool({"list", "--format", "json", Savegame({{3, 1, 1, 1}})});
    EXPECT_EQ(r.out, "{\"count\": 0, \"packages\": []}\n");
}

TEST_F(PackageToolTest, TextShowsTheCountAndATable)
{
    std::string path = Savegame({{154, 100.25f, -3.5f, 11.0f}, {154, 0, 0, 0}});
    ToolResult r = Tool({"list", path});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], path + ": 2 packages left");
    EXPECT_NE(lines[2].find("100.25"), std::string::npos);
    EXPECT_NE(lines[2].find("-3.50"), std::string::npos);
}

TEST_F(PackageToolTest, ListsTheDemoSavegame)
{
    ToolResult r = Tool({"list", "--format", "csv", HM_SAMPLES_DIR "/demo.b"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 73u);  // header and 72 packages
}

struct Failure {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* errorText;
};

void PrintTo(const Failure& f, std::ostream* os)
{
    *os << f.name;
}

class PackageToolFailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(PackageToolFailureTest, ExitsWithAMessageAndNothingOnStdout)
{
    const Failure& f = GetParam();
    ToolResult r = Tool(f.args);
    EXPECT_EQ(r.status, f.status);
    EXPECT_NE(r.err.find(f.errorText), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Args, PackageToolFailureTest,
    ::testing::Values(
        Failure{"MissingFile", {"list", "/nonexistent/x.b"}, 1, "Error ! : Error opening file !"},
        Failure{"Damaged", {"list", "--format", "csv", HM_SAMPLES_DIR "/damaged.b"}, 1,
                "Error ! : Savegame is damaged or truncated !"},
        Failure{"Folder", {"list", "/"}, 1, "Error ! : Error opening file !"},
        Failure{"UnknownOption", {"list", "--colour", "x.b"}, 2, "unknown option '--colour'"},
        Failure{"UnknownFormat", {"list", "--format", "xml", "x.b"}, 2, "unknown format 'xml'"},
        Failure{"FormatWithoutValue", {"list", "--format"}, 2, "--format needs a value"},
        Failure{"NoSavegame", {"list"}, 2, "no savegame given"},
        Failure{"TwoSavegames", {"list", "a.b", "b.b"}, 2, "more than one savegame"},
        Failure{"UnknownCommand", {"frobnicate"}, 2, "unknown command 'frobnicate'"},
        Failure{"NoCommand", {}, 2, "usage: hm-package-tool"},
        Failure{"PathTooLong", {"list", std::string(300, 'a')}, 1, "path too long"}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST(PackageToolHelp, HelpGoesToStdoutWithStatusZero)
{
    ToolResult r = RunProgram(HM_PACKAGE_TOOL, {"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("list [--format text|csv|json] SAVEGAME"), std::string::npos);
    r = RunProgram(HM_PACKAGE_TOOL, {"list", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--format csv"), std::string::npos);
}

}  // namespace
