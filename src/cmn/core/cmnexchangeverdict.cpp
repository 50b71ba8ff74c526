#include "cmnexchangeverdict.h"

CCmnExchangeVerdict::CCmnExchangeVerdict(EKind kind)
    : m_Kind(kind)
{
}

CCmnExchangeVerdict CCmnExchangeVerdict::Accept()
{
    return CCmnExchangeVerdict(Accepted);
}

CCmnExchangeVerdict CCmnExchangeVerdict::Refuse(const QString &hereMessage, const QString &inBoxMessage,
                                                const QString &note)
{
    CCmnExchangeVerdict verdict(Refused);
    verdict.m_HereMessage = hereMessage;
    verdict.m_InBoxMessage = inBoxMessage;
    verdict.m_Note = note;
    return verdict;
}

CCmnExchangeVerdict CCmnExchangeVerdict::Ask(const QString &question)
{
    CCmnExchangeVerdict verdict(Question);
    verdict.m_HereMessage = question;
    return verdict;
}

QString CmnFillValuePlaceholder(const QString &message, const QString &value)
{
    const QString valueMark = QStringLiteral("%1");
    const QString labelMark = QStringLiteral("%%1");
    QString filled;
    bool valueFilled = false;
    qsizetype i = 0;
    while (i < message.size()) {
        if (message.mid(i, labelMark.size()) == labelMark) {
            filled += valueMark;
            i += labelMark.size();
        } else if (!valueFilled && message.mid(i, valueMark.size()) == valueMark) {
            filled += value;
            valueFilled = true;
            i += valueMark.size();
        } else {
            filled += message.at(i);
            ++i;
        }
    }
    return filled;
}
