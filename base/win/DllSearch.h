#pragma once
// Where the process looks for the DLLs it loads by name: the system folder only.
//
// The programs run from folders where files of anyone's choosing may lie (a per-user install
// folder, a folder a zip was unpacked into, a downloads or installer folder). A DLL there named
// like a system DLL that is not among the system's known DLLs (version, wtsapi32,
// windowscodecs, ...) would otherwise be loaded into the program from its own folder.
//
// Called first in the entry point, before any delay-loaded function: what the import table
// names is loaded before the entry point runs, so a program imports only known DLLs directly.
void RestrictDllSearch();
