#include "cmnfilechooser.h"

#include <QFileDialog>

namespace {

TCmnFileChooser &CurrentChooser()
{
    static TCmnFileChooser chooser;
    return chooser;
}

QString ToolkitChooser(const CCmnFileChooserRequest &request)
{
    switch (request.m_Kind) {
    case CCmnFileChooserRequest::OpenFile:
        return QFileDialog::getOpenFileName(request.m_Parent, request.m_Caption, request.m_Folder,
                                            request.m_Filter);
    case CCmnFileChooserRequest::SaveFile: {
        if (request.m_DefaultSuffix.isEmpty()) {
            return QFileDialog::getSaveFileName(request.m_Parent, request.m_Caption, request.m_Folder,
                                                request.m_Filter);
        }
        QFileDialog dialog(request.m_Parent, request.m_Caption, request.m_Folder, request.m_Filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.m_DefaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
    case CCmnFileChooserRequest::Folder:
        return QFileDialog::getExistingDirectory(request.m_Parent, request.m_Caption, request.m_Folder);
    }
    return QString();
}

QString Choose(const CCmnFileChooserRequest &request)
{
    const TCmnFileChooser &chooser = CurrentChooser();
    return chooser ? chooser(request) : ToolkitChooser(request);
}

} // namespace

QString CmnGetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter)
{
    return Choose({CCmnFileChooserRequest::OpenFile, parent, caption, folder, filter});
}

QString CmnGetSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter, const QString &defaultSuffix)
{
    return Choose({CCmnFileChooserRequest::SaveFile, parent, caption, folder, filter, defaultSuffix});
}

QString CmnGetExistingDirectory(QWidget *parent, const QString &caption, const QString &folder)
{
    return Choose({CCmnFileChooserRequest::Folder, parent, caption, folder, QString()});
}

TCmnFileChooser CmnSetFileChooser(TCmnFileChooser chooser)
{
    return std::exchange(CurrentChooser(), std::move(chooser));
}
