#include "savegame/load_savegame.h"

#include <limits.h>
#include <string.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/viewer_state.h"
#include "tests/support/temp_dir.h"
#include "tools/savegame_writer/savegame_writer.h"

namespace {

const char kOpenErrorLine[] = "3D View: Error ! : Error opening file !\n";
const char kDamagedLine[] = "3D View: Error ! : Savegame is damaged or truncated !\n";

const SampleLayout kZeroBlocks = {{0, 0, 0, 0, 0}, 0, 0};
const SampleLayout kGrowingBlocks = {{10, 20, 30, 40, 50}, 777, 0xDEADBEEF};

uint32_t Bits(float f)
{
    uint32_t u;
    memcpy(&u, &f, 4);
    return u;
}

float FromBits(uint32_t u)
{
    float f;
    memcpy(&f, &u, 4);
    return f;
}

class LoadSavegameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { ResetViewerState(); }

    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes)
    {
        std::string path = dir_.File(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }

    // Loads `path` and returns what the reader's boxes printed.
    std::string Load(const std::string& path)
    {
        strncpy(g_state.savegamePath, path.c_str(), sizeof(g_state.savegamePath) - 1);
        ::testing::internal::CaptureStderr();
        LoadSavegame();
        return ::testing::internal::GetCapturedStderr();
    }

    std::vector<PackageEntry> Entries() const
    {
        const PackageList& list = g_state.packages;
        return std::vector<PackageEntry>(list.entries, list.entries + list.packageCount);
    }

    TempDir dir_;
};

void ExpectSameEntries(const std::vector<PackageEntry>& actual,
                       const std::vector<SampleRecord>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(Bits(actual[i].x), Bits(expected[i].x)) << "entry " << i;
        EXPECT_EQ(Bits(actual[i].y), Bits(expected[i].y)) << "entry " << i;
        EXPECT_EQ(Bits(actual[i].z), Bits(expected[i].z)) << "entry " << i;
    }
}

std::vector<SampleRecord> OnlyPackages(const std::vector<SampleRecord>& records)
{
    std::vector<SampleRecord> packages;
    for (const SampleRecord& r : records) {
        if (r.type == 154) {
            packages.push_back(r);
        }
    }
    return packages;
}

TEST(SavegameLayout, FieldsStandWhereTheReaderLooks)
{
    // Each skip counts from the byte after its own size field.
    SampleOffsets zero = SavegameOffsets(kZeroBlocks);
    EXPECT_EQ(std::vector<size_t>(zero.blockSizeAt, zero.blockSizeAt + 5),
              (std::vector<size_t>{232, 236, 240, 244, 248}));
    EXPECT_EQ(zero.block6SizeAt, 252u);
    EXPECT_EQ(zero.unusedValueAt, 256u);
    EXPECT_EQ(zero.recordCountAt, 260u);
    EXPECT_EQ(zero.firstRecordAt, 264u);

    SampleOffsets growing = SavegameOffsets(kGrowingBlocks);
    EXPECT_EQ(std::vector<size_t>(growing.blockSizeAt, growing.blockSizeAt + 5),
              (std::vector<size_t>{232, 246, 270, 304, 348}));
    EXPECT_EQ(growing.block6SizeAt, 402u);
    EXPECT_EQ(growing.unusedValueAt, 406u);
    EXPECT_EQ(growing.recordCountAt, 410u);
    EXPECT_EQ(growing.firstRecordAt, 414u);
}

class BlockLayoutTest : public LoadSavegameTest,
                        public ::testing::WithParamInterface<SampleLayout> {};

TEST_P(BlockLayoutTest, KeepsPackageRecordsInFileOrder)
{
    // Types either side of 154 and the byte's extremes are passed over; the
    // floats are taken bit for bit, whatever they hold.
    std::vector<SampleRecord> records = {
        {153, 1, 2, 3},
        {154, -2048.0f, 2048.0f, 9.99f},
        {155, 4, 5, 6},
        {0, 7, 8, 9},
        {154, 0.0f, 0.0f, 0.0f},
        {255, 10, 11, 12},
        {154, -0.0f, FromBits(0x7FC12345), FromBits(0x00000001)},
        {154, 1e30f, -1e-30f, 15.01f},
    };
    std::string path = Write("layout.b", BuildSavegame(GetParam(), records));
    EXPECT_EQ(Load(path), "");
    ExpectSameEntries(Entries(), OnlyPackages(records));
}

INSTANTIATE_TEST_SUITE_P(Blocks, BlockLayoutTest,
                         ::testing::Values(kZeroBlocks, kGrowingBlocks,
                                           SampleLayout{{1200, 64, 0, 5300, 412}, 9000, 7}));

TEST_F(LoadSavegameTest, ACountOfZeroReplacesTheListWithAnEmptyOne)
{
    Load(Write("full.b", BuildSavegame(kZeroBlocks, SampleRecords(5, 5, 1))));
    ASSERT_EQ(g_state.packages.packageCount, 5);

    EXPECT_EQ(Load(Write("none.b", BuildSavegame(kGrowingBlocks, {}))), "");
    EXPECT_EQ(g_state.packages.packageCount, 0);
    EXPECT_NE(g_state.packages.entries, nullptr);
}

TEST_F(LoadSavegameTest, KeepsEveryPackageBeyondTheFirstHundred)
{
    std::vector<SampleRecord> records = SampleRecords(250, 80, 42);
    Load(Write("many.b", BuildSavegame(kGrowingBlocks, records)));
    ExpectSameEntries(Entries(), OnlyPackages(records));
    EXPECT_EQ(g_state.packages.packageCount, 250);
}

TEST_F(LoadSavegameTest, LoadingTheSameFileAgainGivesAnEqualList)
{
    std::vector<SampleRecord> records = SampleRecords(30, 30, 3);
    std::string path = Write("again.b", BuildSavegame(kGrowingBlocks, records));
    Load(path);
    Load(path);
    ExpectSameEntries(Entries(), OnlyPackages(records));
}

TEST_F(LoadSavegameTest, ViewFieldsSurviveALoad)
{
    g_state.panX = 0.25f;
    g_state.panY = -0.5f;
    g_state.zoom = 2.5f;
    Load(Write("view.b", BuildSavegame(kZeroBlocks, SampleRecords(3, 3, 5))));
    EXPECT_EQ(g_state.panX, 0.25f);
    EXPECT_EQ(g_state.panY, -0.5f);
    EXPECT_EQ(g_state.zoom, 2.5f);
}

// A previous list is in place before each failing load, so that a load
// which touches it shows.
class FailedLoadTest : public LoadSavegameTest {
protected:
    void SetUp() override
    {
        LoadSavegameTest::SetUp();
        previous_ = SampleRecords(7, 3, 11);
        Load(Write("previous.b", BuildSavegame(kZeroBlocks, previous_)));
        previousEntries_ = g_state.packages.entries;
    }

    void ExpectPreviousListKept()
    {
        EXPECT_EQ(g_state.packages.entries, previousEntries_);
        ExpectSameEntries(Entries(), OnlyPackages(previous_));
    }

    std::vector<SampleRecord> previous_;
    PackageEntry* previousEntries_ = nullptr;
};

TEST_F(FailedLoadTest, AMissingFileIsReportedAndTheListKept)
{
    std::string path = dir_.File("no-such-file.b");
    EXPECT_EQ(Load(path), kOpenErrorLine);
    ExpectPreviousListKept();
    EXPECT_EQ(std::string(g_state.savegamePath), path);
}

TEST_F(FailedLoadTest, AFolderIsAFileThatCannotBeRead)
{
    EXPECT_EQ(Load(dir_.path()), kOpenErrorLine);
    ExpectPreviousListKept();
}

TEST_F(FailedLoadTest, APipeIsRefusedWithoutWaitingForAWriter)
{
    std::string path = dir_.File("pipe.b");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(Load(path), kOpenErrorLine);
    ExpectPreviousListKept();
}

TEST_F(FailedLoadTest, AFileCutAnywhereBeforeItsLastRecordIsDamaged)
{
    std::vector<unsigned char> whole = BuildSavegame(kGrowingBlocks, SampleRecords(3, 2, 8));
    for (size_t cut = 0; cut < whole.size(); cut++) {
        std::vector<unsigned char> part(whole.begin(), whole.begin() + (long)cut);
        EXPECT_EQ(Load(Write("cut.b", part)), kDamagedLine) << "cut at " << cut;
        ExpectPreviousListKept();
    }
}

TEST_F(FailedLoadTest, BytesAfterTheLastRecordAreNotLookedAt)
{
    std::vector<SampleRecord> records = SampleRecords(4, 4, 9);
    std::vector<unsigned char> bytes = BuildSavegame(kZeroBlocks, records);
    bytes.resize(bytes.size() + 100, 154);
    EXPECT_EQ(Load(Write("tail.b", bytes)), "");
    ExpectSameEntries(Entries(), OnlyPackages(records));
}

struct DamagedCount {
    const char* name;
    int32_t statedCount;
    int recordsWritten;
};

void PrintTo(const DamagedCount& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedCountTest : public FailedLoadTest,
                         public ::testing::WithParamInterface<DamagedCount> {};

TEST_P(DamagedCountTest, IsReportedAndTheListKept)
{
    const DamagedCount& c = GetParam();
    std::vector<SampleRecord> records = SampleRecords(c.recordsWritten, 0, 4);
    EXPECT_EQ(Load(Write("count.b", BuildSavegameWithCount(kGrowingBlocks, records,
                                                           c.statedCount))),
              kDamagedLine);
    ExpectPreviousListKept();
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DamagedCountTest,
    ::testing::Values(DamagedCount{"MinusOne", -1, 3}, DamagedCount{"MostNegative", INT_MIN, 3},
                      DamagedCount{"OneMoreThanWritten", 4, 3},
                      DamagedCount{"Largest", INT_MAX, 3},
                      // 88 x N wraps to a small number in 32-bit arithmetic.
                      DamagedCount{"WrapsIn32Bits", 48806447, 3},
                      DamagedCount{"RecordsForAnEmptyTable", 1, 0}),
    [](const ::testing::TestParamInfo<DamagedCount>& info) { return info.param.name; });

struct DamagedBlock {
    const char* name;
    int block;
    uint32_t size;
};

void PrintTo(const DamagedBlock& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedBlockTest : public FailedLoadTest,
                         public ::testing::WithParamInterface<DamagedBlock> {};

TEST_P(DamagedBlockTest, PointingPastTheEndIsReported)
{
    const DamagedBlock& c = GetParam();
    std::vector<unsigned char> bytes = BuildSavegame(kGrowingBlocks, SampleRecords(3, 1, 6));
    size_t at = SavegameOffsets(kGrowingBlocks).blockSizeAt[c.block];
    // 0 stands for a block that reaches exactly to the end of the file.
    uint32_t size = c.size != 0 ? c.size : (uint32_t)(bytes.size() - at - 4);
    for (int i = 0; i < 4; i++) {
        bytes[at + i] = (unsigned char)(size >> (8 * i));
    }
    EXPECT_EQ(Load(Write("block.b", bytes)), kDamagedLine);
    ExpectPreviousListKept();
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DamagedBlockTest,
    ::testing::Values(DamagedBlock{"FirstHuge", 0, 0xFFFFFFFFu},
                      DamagedBlock{"ThirdHuge", 2, 0x80000000u},
                      DamagedBlock{"FifthHuge", 4, 0xFFFFFFF0u},
                      DamagedBlock{"FirstJustPastTheEnd", 0, 2000},
                      // Lands exactly on the end: the next size field is missing.
                      DamagedBlock{"LastToTheEnd", 4, 0}),
    [](const ::testing::TestParamInfo<DamagedBlock>& info) { return info.param.name; });

}  // namespace
