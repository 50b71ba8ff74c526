#pragma once

#include "cmngeometrykeeper.h"
#include "cmnslotblocker.h"

#include <QList>
#include <QStringList>
#include <QWizard>

class CCmnWizardPageEx;

// The framework's wizard. Its own pages (AddOwnPage) are built on their first
// visit, loaded on every forward visit, and saved and validated when the user
// leaves them forward; Help opens the current page's help page. When the wizard is
// accepted, the pages the user went Back past get their first-visit snapshot back,
// so that the data holds only the edits of the pages on the final path. Pages added
// with addPage stay ordinary Qt pages. The wizard also carries parameters, "key:value"
// lines read from a companion file beside the file it works on (herd-orv.txt for
// herd.csv), from which a derived wizard takes its settings.
//
// Its creator adds the pages, runs it once with Exec and reads the data after an
// accepted run; after a cancelled one the data holds whatever the pages saved and
// is to be discarded.
class CCmnWizardEx : public QWizard, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // The wizard has a Help button.
    explicit CCmnWizardEx(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    // Saves what the geometry keeper remembers.
    ~CCmnWizardEx() override;

    // Takes the keeper and places the wizard with it at once; call it before the run.
    void SetGeometryKeeper(const CCmnGeometryKeeper &keeper);

    // Adds a page with the framework's behaviour; its id.
    qint32 AddOwnPage(CCmnWizardPageEx *page);
    // The framework page with the id; null for ordinary pages and unknown ids.
    CCmnWizardPageEx *OwnPage(qint32 id) const;
    // Ids of the framework pages built so far, in order of first visit.
    QList<qint32> InitialisedPages() const { return m_InitialisedPages; }

    // The value of the first parameter whose text begins with the key and ":"
    // (compared exactly); empty when there is none.
    QString GetParameter(const QString &key) const;
    // The lines of the path's companion parameter file (the base name, "-", the
    // product's short name, ".txt") replace the parameters, without "#" comment
    // lines and with each "+" line joined to the one before; then ApplyParameters.
    // A missing or unreadable file, or one larger than kCmnMaxParameterFileBytes,
    // gives no parameters and no message.
    void LoadParameters(const QString &path);
    QStringList Parameters() const { return m_Parameters; }

    // Everything before the modal run: the What's This button when a page's
    // controls received a text, and the start page built, loaded and shown. Runs
    // once; Exec calls it, and tests call it to drive the wizard without a modal loop.
    void Prepare();
    // What follows the modal run: after an accepted run, every page built but no
    // longer on the path (the user went Back past it) puts its snapshot back, in
    // order of first visit. Exec calls it; tests call it after finishing the wizard.
    void Conclude(int result);
    // Prepare, the modal run with the wait cursor suspended, Conclude; the run's result.
    int Exec();

public Q_SLOTS:
    // Opens the help page of the current page, when it is a framework page.
    void Slot_helpRequested_this();

protected:
    // Builds a framework page on its first visit and loads it on every visit; an
    // ordinary page gets QWizard's own initialisation.
    void initializePage(int id) override;
    bool event(QEvent *event) override;
    // Derived wizards read their settings from the parameters here.
    virtual void ApplyParameters();

private:
    // The framework page now current has been shown.
    void PageShown(qint32 id);

    CCmnGeometryKeeper m_GeometryKeeper;
    QList<qint32> m_OwnPages;
    QList<qint32> m_InitialisedPages;
    QStringList m_Parameters;
    // The page loaded by initializePage and about to be shown.
    qint32 m_PageToShow = -1;
    bool m_Prepared = false;
};
