// hm-make-samples OUTDIR: writes the sample savegames that come with the
// viewer and that the end-to-end tests open.
//   demo.b   a savegame with 72 packages left among 300 other records
//   empty.b  a savegame whose packages have all been collected
//   many.b   more packages than a list is first made for (250)
//   damaged.b  a demo savegame cut off inside its record table
#include <stdio.h>

#include <string>

#include "tools/savegame_writer/savegame_writer.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: hm-make-samples OUTDIR\n");
        return 2;
    }
    std::string dir = argv[1];
    SampleLayout layout = {{1200, 64, 0, 5300, 412}, 9000, 7};

    std::vector<unsigned char> demo = BuildSavegame(layout, SampleRecords(72, 300, 20261211u));
    std::vector<unsigned char> damaged(demo.begin(), demo.begin() + (long)demo.size() / 2);

    struct Sample {
        const char* name;
        std::vector<unsigned char> bytes;
    } samples[] = {
        {"demo.b", demo},
        {"empty.b", BuildSavegame(layout, SampleRecords(0, 120, 7u))},
        {"many.b", BuildSavegame(layout, SampleRecords(250, 50, 99u))},
        {"damaged.b", damaged},
    };
    for (const Sample& s : samples) {
        std::string path = dir + "/" + s.name;
        if (!WriteFileBytes(path, s.bytes)) {
            fprintf(stderr, "hm-make-samples: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
