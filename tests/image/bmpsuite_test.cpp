// Walks the BMP conformance suite's manifest and holds every row: pictures
// that must match their reference rendering, pictures that must be refused
// as an unknown format, and damaged ones that must be handled safely.
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "image/load_dib_image.h"

namespace {

struct ManifestRow {
    std::string file;
    std::string reference;
    std::string expectation;
    int tolerance;
};

std::vector<ManifestRow> ReadManifest()
{
    std::vector<ManifestRow> rows;
    std::ifstream in(std::string(HM_BMPSUITE_DIR) + "/MANIFEST.tsv");
    std::string line;
    std::getline(in, line);  // the column names
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ManifestRow row;
        std::string headerSize;
        std::getline(fields, row.file, '\t');
        std::getline(fields, headerSize, '\t');
        std::getline(fields, row.reference, '\t');
        std::getline(fields, row.expectation, '\t');
        fields >> row.tolerance;
        if (!row.file.empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::string TestName(const testing::TestParamInfo<ManifestRow>& info)
{
    std::string name;
    for (char c : info.param.file) {
        name += isalnum((unsigned char)c) ? c : '_';
    }
    return name;
}

int CountReports(const std::string& boxes)
{
    int count = 0;
    for (size_t at = boxes.find("Error: "); at != std::string::npos;
         at = boxes.find("Error: ", at + 1)) {
        count++;
    }
    return count;
}

class BmpSuiteTest : public testing::TestWithParam<ManifestRow> {};

TEST(BmpSuiteManifestTest, IsThereAndComplete)
{
    EXPECT_GE(ReadManifest().size(), 90u) << "the suite is expected at " << HM_BMPSUITE_DIR;
}

TEST_P(BmpSuiteTest, HoldsItsExpectation)
{
    const ManifestRow& row = GetParam();
    std::string path = std::string(HM_BMPSUITE_DIR) + "/" + row.file;
    testing::internal::CaptureStderr();
    RgbImage* image = LoadDibImage(path.c_str());
    std::string boxes = testing::internal::GetCapturedStderr();

    if (row.expectation == "refuse-unknown-format") {
        EXPECT_EQ(image, nullptr);
        EXPECT_EQ(boxes, "Error: Unknown DIB file format.\n");
    } else if (row.expectation == "safe") {
        if (image == NULL) {
            EXPECT_EQ(CountReports(boxes), 1) << boxes;
        } else {
            EXPECT_EQ(boxes, "");
            // Nothing far beyond what the file itself could describe.
            struct stat info;
            ASSERT_EQ(stat(path.c_str(), &info), 0);
            EXPECT_LE((double)image->width * image->height, 256.0 * info.st_size + (1 << 22));
            EXPECT_GT(image->width, 0);
            EXPECT_GT(image->height, 0);
        }
    } else {
        ASSERT_EQ(row.expectation, "match");
        EXPECT_EQ(boxes, "");
        ASSERT_NE(image, nullptr);
        std::string referencePath = std::string(HM_BMPSUITE_DIR) + "/reference/" + row.reference;
        int width = 0;
        int height = 0;
        int channels = 0;
        unsigned char* reference = stbi_load(referencePath.c_str(), &width, &height, &channels, 3);
        ASSERT_NE(reference, nullptr) << referencePath;
        EXPECT_EQ(image->width, width);
        EXPECT_EQ(image->height, height);
        if (image->width == width && image->height == height) {
            int mismatches = 0;
            for (int y = 0; y < height && mismatches < 5; y++) {
                // The reference is stored top row first, the picture bottom row first.
                const unsigned char* want = reference + (size_t)y * width * 3;
                const unsigned char* got = image->data + (size_t)(height - 1 - y) * width * 3;
                for (int i = 0; i < width * 3; i++) {
                    if (abs((int)want[i] - (int)got[i]) > row.tolerance) {
                        ADD_FAILURE() << "pixel (" << i / 3 << ", " << y << ") channel " << i % 3
                                      << ": want " << (int)want[i] << ", got " << (int)got[i];
                        mismatches++;
                        break;
                    }
                }
            }
        }
        stbi_image_free(reference);
    }
    if (image != NULL) {
        free(image->data);
        free(image);
    }
}

INSTANTIATE_TEST_SUITE_P(Manifest, BmpSuiteTest, testing::ValuesIn(ReadManifest()), TestName);

}  // namespace
