// The Windows C library opens stdout and stderr in text mode, which turns
// each "\n" into "\r\n"; binary mode writes the bytes as they are.
#include "tools/package_tool/binary_output.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

void SetBinaryOutput(void)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
