#include "cmntextboxes.h"

#include "cmnexchangeflags.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsLenientText(qint32 flags)
{
    return flags & CmnExchangeNoValidation;
}

QString TrimmedIfAsked(const QString &text, qint32 flags)
{
    return (flags & CmnExchangeTrim) ? text.trimmed() : text;
}

// A control character and the two characters that stand for it, with the flag that
// lets them; the order is the one in which a value is tested.
struct CEscape
{
    qint32 m_Flag;
    QChar m_Character;
    const char *m_Text;
};

constexpr CEscape kEscapes[] = {
    {CmnExchangeCarriageReturnEscape, u'\r', "\\r"},
    {CmnExchangeLineFeedEscape, u'\n', "\\n"},
    {CmnExchangeTabEscape, u'\t', "\\t"},
};

CCmnExchangeVerdict RefuseEmptyChar()
{
    return CCmnExchangeVerdict::Refuse(QStringLiteral("A single character is required here"),
                                       QStringLiteral("A single character is required in the '%1' box"));
}

CCmnExchangeVerdict RefuseEmptyPath(qint32 flags)
{
    if (flags & CmnExchangeFile)
        return CCmnExchangeVerdict::Refuse(QStringLiteral("A file name is required here"),
                                           QStringLiteral("A file name is required in the '%1' box"));
    if (flags & CmnExchangeFolder)
        return CCmnExchangeVerdict::Refuse(QStringLiteral("A folder name is required here"),
                                           QStringLiteral("A folder name is required in the '%1' box"));
    return CCmnExchangeVerdict::Refuse(QStringLiteral("This box may not be empty"),
                                       QStringLiteral("The '%1' box must be filled in"));
}

CCmnExchangeVerdict CheckFilePath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return CCmnExchangeVerdict::Accept();
    if (info.isDir())
        return CCmnExchangeVerdict::Ask(QStringLiteral("%1 is a folder, but a file name is expected").arg(path));
    if (info.exists())
        return CCmnExchangeVerdict::Ask(QStringLiteral("%1 exists but is not a file").arg(path));
    return CCmnExchangeVerdict::Ask(QStringLiteral("File %1 not found (or cannot be accessed)").arg(path));
}

CCmnExchangeVerdict CheckFolderPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return CCmnExchangeVerdict::Accept();
    if (info.isFile())
        return CCmnExchangeVerdict::Ask(QStringLiteral("%1 is a file, but a folder name is expected").arg(path));
    if (info.exists())
        return CCmnExchangeVerdict::Ask(QStringLiteral("%1 exists but is not a folder").arg(path));
    return CCmnExchangeVerdict::Ask(QStringLiteral("Folder %1 not found (or cannot be accessed)").arg(path));
}

} // namespace

CCmnExchangeVerdict CmnReadTextBox(const QString &text, qint32 flags, QString *value)
{
    *value = TrimmedIfAsked(text, flags);
    if ((flags & CmnExchangeRequired) && !IsLenientText(flags) && value->isEmpty())
        return CCmnExchangeVerdict::Refuse(QStringLiteral("This box may not be empty"),
                                           QStringLiteral("The '%1' box must be filled in"));
    return CCmnExchangeVerdict::Accept();
}

QString CmnCharBoxText(QChar value, qint32 flags)
{
    for (const CEscape &escape : kEscapes) {
        if (value == escape.m_Character && (flags & escape.m_Flag))
            return QLatin1String(escape.m_Text);
    }
    if (value.unicode() < 32)
        return QString();
    return QString(value);
}

CCmnExchangeVerdict CmnReadCharBox(const QString &text, qint32 flags, QChar *value)
{
    const QString typed = TrimmedIfAsked(text, flags);
    for (const CEscape &escape : kEscapes) {
        if ((flags & escape.m_Flag) && typed == QLatin1String(escape.m_Text)) {
            *value = escape.m_Character;
            return CCmnExchangeVerdict::Accept();
        }
    }
    const bool required = flags & CmnExchangeRequired;
    const bool lenient = IsLenientText(flags);
    if (typed.isEmpty()) {
        if (required && !lenient)
            return RefuseEmptyChar();
        *value = QChar();
        return CCmnExchangeVerdict::Accept();
    }
    if (typed.size() == 1 || lenient) {
        *value = typed.at(0);
        return CCmnExchangeVerdict::Accept();
    }
    if (required)
        return RefuseEmptyChar();
    return CCmnExchangeVerdict::Refuse(QStringLiteral("At most a single character is required here"),
                                       QStringLiteral("At most a single character is required in the '%1' box"));
}

QString CmnPathBoxText(const QString &path, qint32 flags)
{
    return (flags & CmnExchangeNativeSeparators) ? QDir::toNativeSeparators(path) : path;
}

CCmnExchangeVerdict CmnReadPathBox(const QString &text, qint32 flags, QString *value)
{
    QString path = TrimmedIfAsked(text, flags);
    if (flags & CmnExchangeNativeSeparators)
        path = QDir::fromNativeSeparators(path);
    *value = path;

    const bool lenient = IsLenientText(flags);
    if (path.isEmpty()) {
        if ((flags & CmnExchangeRequired) && !lenient)
            return RefuseEmptyPath(flags);
        return CCmnExchangeVerdict::Accept();
    }
    if (lenient)
        return CCmnExchangeVerdict::Accept();
    if (flags & CmnExchangeFile)
        return CheckFilePath(path);
    if (flags & CmnExchangeFolder)
        return CheckFolderPath(path);
    return CCmnExchangeVerdict::Accept();
}
