#include "cmnfileprompts.h"

#include "cmnappdescriptor.h"
#include "cmndesktopopener.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"

#include <QFileInfo>

bool CmnCheckFileExtension(const QString &extension, const QString &filter, QWidget *parent)
{
    const QString mismatch = CmnFileExtensionMismatch(extension, filter);
    if (mismatch.isEmpty())
        return true;
    ShowRememberedMessage(QMessageBox::Warning, parent, CmnGetAppDescriptor().m_ProductDisplayName,
                          mismatch);
    return false;
}

QString CmnGetSaveFileNameWithSuffix(QWidget *parent, const QString &caption, const QString &start,
                                     const QString &filter, const QString &suffix)
{
    QString path = CmnGetSaveFileName(parent, caption, start, filter, suffix);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // The chooser confirmed the name without the suffix: the file it will
    // really be is new to the user.
    path += QLatin1Char('.') + suffix;
    if (!QFileInfo::exists(path))
        return path;
    const QString question = CmnHtmlEscapedParagraph(QStringLiteral("'%1' already exists.").arg(path))
        + QStringLiteral("<p>Do you want to replace it?</p>");
    if (AskYesNo(QMessageBox::Warning, true, parent, CmnGetAppDescriptor().m_ProductDisplayName, question)
        != QMessageBox::Yes)
        return QString();
    return path;
}

void CmnOfferToViewCreatedFile(QWidget *parent, const QString &path, qint32 messageId,
                               const QPoint &position)
{
    const QUrl url = CmnCreatedFileUrl(path);
    if (url.isEmpty())
        return;

    CCmnMessageBoxOptions options;
    options.m_MessageId = messageId;
    options.m_Position = position;
    const QString title = CmnGetAppDescriptor().m_ProductDisplayName;
    const QString text = QStringLiteral("Would you like to view the file you just created?");
    // Only the three-way question can remember its answer; No is the default of both.
    const qint32 answer = messageId > 0
        ? AskYesNoCancel(QMessageBox::Question, 1, parent, title, text, &options)
        : AskYesNo(QMessageBox::Question, true, parent, title, text, &options);
    if (answer == QMessageBox::Yes)
        CmnOpenUrl(url);
}
