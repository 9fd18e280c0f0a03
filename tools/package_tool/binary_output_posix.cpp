// POSIX streams have no text mode: every byte is written as it is.
#include "tools/package_tool/binary_output.h"

void SetBinaryOutput(void)
{
}
