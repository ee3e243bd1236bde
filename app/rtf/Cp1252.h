#pragma once
#include <QChar>

namespace parlow::rtf {

// The character a Windows-1252 byte stands for; the five bytes the code page
// leaves unassigned keep their own value, as Windows itself maps them.
QChar Cp1252ToUnicode(unsigned char byte);

}  // namespace parlow::rtf
