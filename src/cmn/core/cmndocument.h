#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class CCmnProgress;
class CCmnSettingsExchange;
class QDataStream;
class QIODevice;

// The framework's document: the markers that frame its file, its flags, whether
// it is open and modified, how deeply grouped changes nest, and its file name.
// The main window reads and writes a document only through the virtual protocol
// below; an application's document fills in the parts it needs.
//
// Error texts: empty on success, "!" when the user cancelled and nothing is to be
// shown, else the message to show.
class CCmnDocument : public QObject
{
    Q_OBJECT
public:
    // Bit 0 of the flags: a built-in sample document.
    enum EFlag : quint32 { ExampleFlag = 0x1 };

    CCmnDocument(quint32 firstMarker, quint32 closingMarker, quint32 flags, QObject *parent = nullptr);
    ~CCmnDocument() override;

    virtual void ExchangeSettings(const CCmnSettingsExchange &exchange);
    // The part of the document stream between the two markers.
    [[nodiscard]] virtual QString ExchangeStream(QDataStream &stream, bool write);
    // For an application whose documents are not compressed.
    [[nodiscard]] virtual QString ExchangeDevice(QIODevice *device, bool write);
    virtual bool InitialiseNew(int argument);
    // Called after the stream has been read; marks the document open.
    [[nodiscard]] virtual QString FinishLoad(CCmnProgress *progress, QString &warning, QStringList &messages);
    virtual void OnOpened();
    virtual void OnClosed();
    virtual void OnBeginModify();
    virtual void OnEndModify();

    // Not open, not modified, no group pending.
    void Close();
    // Not open, no group pending; the modified flag stays.
    void Reset();
    void MarkOpen();
    // Only the outermost pair runs the hooks, and only on an open document:
    // a flow that groups several changes is seen as one change.
    void BeginModify();
    void EndModify();

    quint32 FirstMarker() const { return m_FirstMarker; }
    quint32 ClosingMarker() const { return m_ClosingMarker; }
    quint32 Flags() const { return m_Flags; }
    bool IsExample() const { return (m_Flags & ExampleFlag) != 0; }
    bool IsModified() const { return m_Modified; }
    void SetModified(bool modified) { m_Modified = modified; }
    bool IsOpen() const { return m_Open; }
    int ModifyDepth() const { return m_ModifyDepth; }
    // The path as the user gave it; empty for a new or imported document.
    const QString &FileName() const { return m_FileName; }
    void SetFileName(const QString &fileName) { m_FileName = fileName; }

private:
    quint32 m_FirstMarker;
    quint32 m_ClosingMarker;
    quint32 m_Flags;
    bool m_Modified = false;
    bool m_Open = false;
    int m_ModifyDepth = 0;
    QString m_FileName;
};

// "Invalid file format - file does not appear to be a ..." with the document
// description of the application. Only a leading "A" takes "an": the text has
// always read so, and users search for it as it stands.
QString CmnInvalidFileFormatMessage();
