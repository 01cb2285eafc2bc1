// libFuzzer: any command line is cut and applied without reading past its
// end, and any bytes handed over by another program are read within their
// size and give only switches a start could give.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include "../../core/clock_state.h"
#include "../../startup/startup.h"

ClockState TheClock;

// Only the fields that switches set, and only positions that are no less than 0.
static void Check(int field, LONG value)
{
    if (field == 2 || field == 3 || field == 5 || field > FieldShowState || (field <= FieldTop && value < 0))
        abort();
    SetSwitch(field, value);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact-size copy: AddressSanitizer catches a read past the NUL.
    char *line = (char *)malloc(size + 1);
    memcpy(line, data, size);
    line[size] = 0;
    LPSTR arguments = SkipProgramName(line);
    if (arguments < line || arguments > line + strlen(line))
        abort();
    ApplySwitches(arguments, Check);
    free(line);
    char handed[HANDOVER_SIZE];  // data itself is of exact size, unterminated
    ReadHandOver(data, (DWORD)size, handed);
    ApplySwitches(handed, Check);
    return 0;
}
