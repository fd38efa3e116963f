#pragma once
// Tr (port/Tr.h) into a given language: for a window that keeps a log in each of English and
// Russian whatever the chosen language is.
#include "port/Tr.h"

// `source` in English or in Russian; under Original the source itself.
std::string TrIn(Language language, const char* context, const char* source);
