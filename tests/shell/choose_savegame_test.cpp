#include "shell/choose_savegame.h"

#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/viewer_state.h"
#include "tests/support/temp_dir.h"
#include "tools/savegame_writer/savegame_writer.h"

namespace {

const char kOpenErrorLine[] = "3D View: Error ! : Error opening file !\n";

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A stand-in for the desktop's chooser on PATH: it writes each argument on
// a line of args.txt, then prints answer.txt and exits with the status in
// status.txt, as the real one does for a choice (0) or a cancel (1).
class ChooseSavegameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetViewerState();
        const char* path = getenv("PATH");
        oldPath_ = path != NULL ? path : "";
        bin_ = dir_.File("bin");
        mkdir(bin_.c_str(), 0700);
        setenv("PATH", bin_.c_str(), 1);
    }

    void TearDown() override
    {
        setenv("PATH", oldPath_.c_str(), 1);
        ResetViewerState();
    }

    void InstallChooser(const std::string& name)
    {
        std::string script = bin_ + "/" + name;
        std::ofstream out(script);
        out << "#!/bin/sh\n"
            << "d='" << dir_.path() << "'\n"
            << ": > \"$d/args.txt\"\n"
            << "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$d/args.txt\"; done\n"
            // Builtins only: PATH holds nothing but this folder.
            << "[ -f \"$d/answer.txt\" ] && while IFS= read -r l; do printf '%s\\n' \"$l\"; "
               "done < \"$d/answer.txt\"\n"
            << "s=1; [ -f \"$d/status.txt\" ] && read -r s < \"$d/status.txt\"\n"
            << "exit $s\n";
        out.close();
        chmod(script.c_str(), 0700);
    }

    void Answer(const std::string& path, int status)
    {
        std::ofstream(dir_.File("answer.txt")) << path << "\n";
        std::ofstream(dir_.File("status.txt")) << status << "\n";
    }

    std::vector<std::string> Arguments()
    {
        std::vector<std::string> args;
        std::istringstream in(ReadText(dir_.File("args.txt")));
        std::string line;
        while (std::getline(in, line)) {
            args.push_back(line);
        }
        return args;
    }

    std::string Savegame(const std::string& name, int packages)
    {
        std::string path = dir_.File(name);
        SampleLayout layout = {{4, 0, 8, 0, 2}, 0, 0};
        EXPECT_TRUE(WriteFileBytes(path, BuildSavegame(layout, SampleRecords(packages, 3, 1))));
        return path;
    }

    // Runs the dialog; returns its result and what its boxes printed.
    int Choose(std::string* boxes = nullptr)
    {
        ::testing::internal::CaptureStderr();
        int result = ChooseSavegame(g_state.savegamePath);
        std::string err = ::testing::internal::GetCapturedStderr();
        if (boxes != nullptr) {
            *boxes = err;
        }
        return result;
    }

    TempDir dir_;
    std::string bin_;
    std::string oldPath_;
};

TEST_F(ChooseSavegameTest, AsksTheChooserForSavegamesWithTheTitle)
{
    InstallChooser("zenity");
    Answer("", 1);
    Choose();
    EXPECT_EQ(Arguments(), (std::vector<std::string>{
                               "--file-selection",
                               "--title=Open a File",
                               "--file-filter=Hollowmarrane Savegames | *.b",
                           }));
}

TEST_F(ChooseSavegameTest, FallsBackToKdialog)
{
    InstallChooser("kdialog");
    Answer("", 1);
    Choose();
    EXPECT_EQ(Arguments(), (std::vector<std::string>{
                               "--getopenfilename",
                               ".",
                               "*.b|Hollowmarrane Savegames",
                               "--title",
                               "Open a File",
                           }));
}

TEST_F(ChooseSavegameTest, ACancelChangesNothing)
{
    InstallChooser("zenity");
    Answer(Savegame("first.b", 5), 0);
    ASSERT_EQ(Choose(), 1);
    std::string firstPath = g_state.savegamePath;
    PackageEntry* firstEntries = g_state.packages.entries;

    Answer(Savegame("second.b", 9), 1);
    EXPECT_EQ(Choose(), 0);
    EXPECT_EQ(std::string(g_state.savegamePath), firstPath);
    EXPECT_EQ(g_state.packages.entries, firstEntries);
    EXPECT_EQ(g_state.packages.packageCount, 5);
}

TEST_F(ChooseSavegameTest, AChoiceIsReadAtOnceAndCanBeReopened)
{
    InstallChooser("zenity");
    std::string first = Savegame("first.b", 5);
    Answer(first, 0);
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(std::string(g_state.savegamePath), first);
    EXPECT_EQ(g_state.packages.packageCount, 5);

    std::string second = Savegame("second.b", 12);
    Answer(second, 0);
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(std::string(g_state.savegamePath), second);
    EXPECT_EQ(g_state.packages.packageCount, 12);
}

TEST_F(ChooseSavegameTest, AMissingFileIsAcceptedAndReportedByTheReader)
{
    InstallChooser("zenity");
    Answer(Savegame("first.b", 5), 0);
    Choose();
    std::string missing = dir_.File("missing.b");
    Answer(missing, 0);
    std::string boxes;
    EXPECT_EQ(Choose(&boxes), 1);
    EXPECT_EQ(boxes, kOpenErrorLine);
    EXPECT_EQ(std::string(g_state.savegamePath), missing);
    EXPECT_EQ(g_state.packages.packageCount, 5);
}

TEST_F(ChooseSavegameTest, APathLongerThanTheBufferIsAFailureNotACut)
{
    InstallChooser("zenity");
    Answer("/" + std::string(300, 'x') + ".b", 0);
    strcpy(g_state.savegamePath, "/kept.b");
    EXPECT_EQ(Choose(), 0);
    EXPECT_STREQ(g_state.savegamePath, "/kept.b");
}

TEST_F(ChooseSavegameTest, WithoutAChooserTheUserIsToldWhatToInstall)
{
    std::string boxes;
    EXPECT_EQ(Choose(&boxes), 0);
    EXPECT_NE(boxes.find("Open a File: "), std::string::npos) << boxes;
    EXPECT_NE(boxes.find("install zenity"), std::string::npos) << boxes;
}

}  // namespace
