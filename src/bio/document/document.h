#pragma once

#include "cmndocument.h"

#include <QSharedPointer>

class CBioReg;
class CCmnProgressDialog;
class CDocumentSettings;
class QIODevice;
class QWidget;

// The breeding program's document: the framework's document owning one animal
// register, with the register's part of the document stream and the settings
// that travel with the file applied to it.
class CDocument : public CCmnDocument
{
    Q_OBJECT
public:
    static constexpr quint32 kFirstMarker = 0x70640398;
    static constexpr quint32 kClosingMarker = 0x55329FDE;
    // Written into every file; files of version 0 read alike.
    static constexpr quint32 kFileVersion = 1;

    // The register's index keys fold accents as the preference stands now: a
    // register is never searched another way than it was filled.
    explicit CDocument(bool example, QObject *parent = nullptr);
    ~CDocument() override;

    const QSharedPointer<CBioReg> &GetRegister() const { return m_Register; }

    // Closes the document and empties the register, for a new document.
    void ClearRegister();
    // After installation or a change of preferences: the register takes the
    // process-wide inbreeding settings and the document is open.
    void Reopen();
    // Inside one grouped change. While installing a freshly read document the
    // fields settings are taken as they are; otherwise the values of fields the
    // settings no longer hold are removed from the records.
    void ApplySettings(QWidget *parent, const CDocumentSettings &settings, bool installing);

    // Writes the file version and the register; reads them back. A register
    // that does not read leaves the stream marked corrupt.
    [[nodiscard]] QString ExchangeStream(QDataStream &stream, bool write) override;

    // Fills the empty register from a file of another kind: an older program's
    // data file by its extension, any other file as delimited text through the
    // import wizard. On success the settings to install take the register's
    // fields settings; on failure they are untouched. "" on success, "!" when
    // the user cancelled and nothing is to be said, else the message.
    [[nodiscard]] QString ImportFile(CCmnProgressDialog *progress, QString &warning, QStringList &messages,
                                     const QString &path, QIODevice *file, CDocumentSettings &settings,
                                     QWidget *mainWindow);

private:
    QSharedPointer<CBioReg> m_Register;
};
