// src/core and src/commands are portable: everything they need from Windows goes through
// core/system.h, implemented in src/win32.
#error "<windef.h> belongs in src/win32, not in the portable logic"
