// libFuzzer: any command line is cut and applied without reading past its end.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include "../../startup/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact-size copy: AddressSanitizer catches a read past the NUL.
    char *line = (char *)malloc(size + 1);
    memcpy(line, data, size);
    line[size] = 0;
    LPSTR arguments = SkipProgramName(line);
    if (arguments < line || arguments > line + strlen(line))
        abort();
    ApplySwitches(arguments);
    free(line);
    return 0;
}
