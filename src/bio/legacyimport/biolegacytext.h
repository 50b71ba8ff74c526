#pragma once

#include <QByteArray>
#include <QString>

// Text of the older programs: Windows-1252 bytes. A legacy string is held as the bytes
// before its first zero byte. With strip set, rich-text escapes in braces are dropped:
// "{\b}Rex" gives "Rex", and an unclosed "{" drops the rest of the text.
QString LegacyTextToString(const QByteArray &legacy, bool strip);

// One Windows-1252 byte as Unicode. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so that
// every byte converts the same way on every system.
QChar LegacyWindows1252ToUnicode(unsigned char byte);
