// Conversions between code page 936 texts and Qt's strings.
#pragma once

#include <QString>

#include "text/text.h"

namespace zerulin {

// The characters of a code page 936 text.
QString ToQString(const Text& text);

// `string` as a code page 936 text; characters the code page lacks become its substitute.
Text FromQString(const QString& string);

}  // namespace zerulin
