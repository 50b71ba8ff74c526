#pragma once

#include <QString>

// What a box's value came to when a window saved: taken, refused with a message that
// the user must act on, or doubtful (a file that does not exist yet), so that the user
// is asked whether to go on. Refusals carry the two forms of their message: the "here"
// form, and the form that names the box by its label through a "%1".
class CCmnExchangeVerdict
{
public:
    enum EKind { Accepted, Refused, Question };

    static CCmnExchangeVerdict Accept();
    // The note, when there is one, is shown as a paragraph of its own.
    static CCmnExchangeVerdict Refuse(const QString &hereMessage, const QString &inBoxMessage,
                                      const QString &note = QString());
    static CCmnExchangeVerdict Ask(const QString &question);

    EKind Kind() const { return m_Kind; }
    bool IsAccepted() const { return m_Kind == Accepted; }
    // The refusal's short form, or the question.
    QString HereMessage() const { return m_HereMessage; }
    QString InBoxMessage() const { return m_InBoxMessage; }
    QString Note() const { return m_Note; }

private:
    explicit CCmnExchangeVerdict(EKind kind);

    EKind m_Kind;
    QString m_HereMessage;
    QString m_InBoxMessage;
    QString m_Note;
};

// Fills the value into a message that also names a box: "Please enter at least %1 in
// the '%%1' box" with "5.00" gives "Please enter at least 5.00 in the '%1' box", whose
// "%1" then takes the label. QString::arg cannot do this: it reads "%%1" as "%" before
// a "%1". The first "%1" outside a "%%1" takes the value, and every "%%1" becomes
// "%1"; the value's own characters are never read as placeholders.
QString CmnFillValuePlaceholder(const QString &message, const QString &value);
