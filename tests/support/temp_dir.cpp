#include "tests/support/temp_dir.h"

#include <ftw.h>
#include <stdio.h>
#include <stdlib.h>

#include <gtest/gtest.h>

TempDir::TempDir()
{
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/hm-test-XXXXXX";
    char* made = mkdtemp(&pattern[0]);
    if (made == NULL) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    path_ = pattern;
}

static int RemoveEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return remove(path);
}

TempDir::~TempDir()
{
    nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}
