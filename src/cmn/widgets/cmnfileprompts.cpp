#include "cmnfileprompts.h"

#include "cmnappdescriptor.h"
#include "cmndesktopopener.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmntextencoding.h"
#include "cmntextfile.h"

#include <QDir>
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

QString CmnChooseSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &suffix)
{
    QString path = CmnGetSaveFileName(parent, caption, QString(), filter, suffix);
    if (path.isEmpty() || suffix.isEmpty() || !CmnFileExtension(path).isEmpty())
        return path;
    path += QLatin1Char('.') + suffix;
    // The chooser confirmed another name than the one that is now written.
    if (QFileInfo::exists(path)
        && AskYesNo(QMessageBox::Question, true, parent, QString(),
                    QStringLiteral("<p>The file '%1' already exists.</p><p>Do you want to replace it?</p>")
                        .arg(CmnHtmlEscape(QDir::toNativeSeparators(path))))
            != QMessageBox::Yes)
        return QString();
    return path;
}

bool CmnWriteChosenTextFile(QWidget *parent, const QString &title, const QString &path,
                            const QStringList &lines)
{
    const QString error = CmnWriteTextFileLines(path, lines, CCmnTextEncoding());
    if (error.isEmpty())
        return true;
    ShowRememberedMessage(QMessageBox::Warning, parent, title,
                          CmnHtmlEscapedParagraph(QStringLiteral("Failed to write '%1', %2)").arg(path, error)));
    return false;
}
