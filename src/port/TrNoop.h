#pragma once
// Marks a source text for lupdate where it is kept in a table and translated later by Tr
// (port/Tr.h); plain data may include this without anything else of the program.
#define TR_NOOP(context, source) source
