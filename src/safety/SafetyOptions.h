#pragma once
// The technician's safety net, as the main window's check boxes or the command line choose it.
// An engine without it (the default) does exactly what it always did.
struct SafetyOptions {
    bool active = false;    // a journal record per operation, the image checked after each read
    bool backup = false;    // the chip read into a backup file before its first erase or write
    bool readTwice = false; // every read made twice and compared
    // A backup that reads all FFh or all 00h (a failed read looks the same) stops the erase
    // unless the technician agrees: asked in the window, --force on the command line.
    bool askBeforeErasingBlank = true;
    bool eraseBlank = false;
};
