#pragma once

#include "cmnexchangeverdict.h"

#include <QChar>
#include <QString>

// The texts that plain text, single-character and path boxes show for a value, and
// what the user's text in them comes to when the window saves. The flags are
// ECmnExchangeFlag bits; with CmnExchangeNoValidation nothing is refused or asked.

// The text, trimmed with CmnExchangeTrim, becomes the value; with CmnExchangeRequired
// an empty one is refused.
CCmnExchangeVerdict CmnReadTextBox(const QString &text, qint32 flags, QString *value);

// A carriage return, line feed or tab shows as backslash r, n or t where its escape
// flag allows; other control characters and the null character as an empty text.
QString CmnCharBoxText(QChar value, qint32 flags);
// Backslash r, n or t (the whole text) where the escape flag allows; else an empty text
// gives the null character unless required, one character itself, and more are
// refused (a lenient reading takes the first). The value is set only when accepted.
CCmnExchangeVerdict CmnReadCharBox(const QString &text, qint32 flags, QChar *value);

// With CmnExchangeNativeSeparators, the platform's separators.
QString CmnPathBoxText(const QString &path, qint32 flags);
// The text (trimmed, with "/" separators as the flags say) becomes the value even
// when it is then refused. An empty required path is refused; with CmnExchangeFile
// or CmnExchangeFolder a path that is not an existing file or folder raises a
// question.
CCmnExchangeVerdict CmnReadPathBox(const QString &text, qint32 flags, QString *value);
