#pragma once

#include "cmndialogex.h"
#include "cmninbuiltsamplefolder.h"

class CCmnListWidget;
class CCmnTextEdit;
class QListWidgetItem;

// The chooser of a folder of sample documents: their names in a list, the chosen
// one's description beside it. After OK (or a double click) the chosen path is the
// sample document's path within the folder.
class CCmnInbuiltSampleSelectDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // Reads the folder and builds the window, sized by the folder's configuration.
    explicit CCmnInbuiltSampleSelectDialog(const QString &folderPath, QWidget *parent = nullptr);

    bool DataExchange(CCmnDataExchange *context) override;

    // Empty until OK, and after OK with no sample to choose.
    const QString &ChosenPath() const { return m_ChosenPath; }
    const QList<CCmnInbuiltSample> &Samples() const { return m_Folder.m_Samples; }
    CCmnListWidget *ListWidget() const { return m_ListWidget; }
    CCmnTextEdit *DescriptionView() const { return m_DescriptionView; }

public Q_SLOTS:
    void Slot_currentRowChanged_ListWidget(int row);
    void Slot_itemDoubleClicked_ListWidget(QListWidgetItem *item);

private:
    QString m_ChosenPath;
    CCmnListWidget *m_ListWidget;
    CCmnTextEdit *m_DescriptionView;
    CCmnInbuiltSampleFolder m_Folder;
    QString m_FolderPath;
};

// The folder of the samples built into the program.
QString CmnInbuiltSampleFolderPath();
// Runs the chooser on the built-in samples; the chosen document's resource path,
// empty when the user cancelled.
QString CmnChooseInbuiltSample(QWidget *parent);
