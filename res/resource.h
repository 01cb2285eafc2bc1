// Resource identifiers shared by the program and its resource script.
#pragma once
#define IDI_CLOCK 101
