// Linked into the test programs that open windows: their leak check reads
// the suppressions of what the desktop libraries started by SDL keep.
extern "C" const char* __lsan_default_options(void)
{
    return "suppressions=" HM_LSAN_DISPLAY_SUPPRESSIONS;
}
