// A folder of its own for each test, removed with everything in it after.
#ifndef HM_TESTS_SUPPORT_TEMP_DIR_H
#define HM_TESTS_SUPPORT_TEMP_DIR_H

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

#endif
