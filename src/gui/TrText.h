#pragma once
// Tr (port/Tr.h) for the widgets' captions.
#include "port/Tr.h"

#include <QString>

inline QString TrQ(const char* context, const char* source) {
    return QString::fromStdString(Tr(context, source));
}
