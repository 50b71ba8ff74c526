#pragma once

#include <QLabel>
#include <QString>
#include <QTest>
#include <QTextDocumentFragment>

// Names as breeders type them, with the characters that markup and keyboard
// mnemonics give a meaning of their own, and two that are bad input by their size.
inline void OrvAddUserTextColumn()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("ampersand") << QStringLiteral("Smith & Jones");
    QTest::newRow("angle bracket") << QStringLiteral("Tom<Jerry");
    QTest::newRow("doubled ampersand") << QStringLiteral("a&&b");
    QTest::newRow("entity") << QStringLiteral("&amp;");
    QTest::newRow("braces") << QStringLiteral("Bella {UK}");
    QTest::newRow("tag") << QStringLiteral("Smith & Jones <UK> <b>");
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('w'));
    QTest::newRow("10000 marks") << QStringLiteral("&<").repeated(5000);
}

// What a widget that reads mnemonics shows of its text: "&&" as "&", any other "&"
// dropped before the character it marks.
inline QString OrvShownMnemonicText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

// The text a label shows: rich text as its document reads, plain text with its
// mnemonics taken out when it has a buddy.
inline QString OrvShownLabelText(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich)
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    return label->buddy() ? OrvShownMnemonicText(label->text()) : label->text();
}

// The text of a rich-text message as the user reads it.
inline QString OrvShownRichText(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}
