// Only the Win32 types that the switch parser and the clock's header name,
// so that the parser builds on the host for the fuzzer.
#pragma once
#include <stdint.h>
typedef int32_t LONG, BOOL;
typedef uint32_t DWORD;
typedef unsigned UINT;
typedef uintptr_t UINT_PTR, WPARAM;
typedef intptr_t LPARAM, LRESULT;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef char16_t WCHAR, *LPWSTR;
typedef void *HANDLE;
typedef struct HWND__ *HWND;
typedef struct HFONT__ *HFONT;
struct RECT { LONG left, top, right, bottom; };
#define CALLBACK
