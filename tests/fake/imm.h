#pragma once
#include "windows.h"
BOOL ImmDisableIME(DWORD);
