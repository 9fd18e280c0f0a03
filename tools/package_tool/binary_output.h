// The tool's standard output and error carry the same bytes on every
// platform: a "\n" is written as "\n", never as "\r\n", so the CSV and JSON
// that the tool prints compare equal between the Linux and Windows builds.
// The build picks the source: binary_output_posix.cpp or
// binary_output_windows.cpp.
#ifndef HM_TOOLS_PACKAGE_TOOL_BINARY_OUTPUT_H
#define HM_TOOLS_PACKAGE_TOOL_BINARY_OUTPUT_H

// Called once at start, before anything is written.
void SetBinaryOutput(void);

#endif
