#include "cmnsplitterstate.h"

#include <QDataStream>
#include <QSettings>
#include <QSplitter>

namespace {

// Whether stored bytes hold a whole splitter state. The splitter's own reader does
// not notice when the bytes run out: it reports success and applies what a cut-off
// state leaves behind, squeezing or resetting the panes. So a damaged setting is
// checked here first: the marker, a pane count that the bytes can hold, sizes of 0
// or more, and the fields that follow up to a valid orientation.
bool IsWellFormedSplitterState(const QByteArray &state)
{
    constexpr qint32 kMarker = 0xff;
    constexpr qsizetype kHeaderBytes = 12; // marker, version, pane count
    constexpr qsizetype kSizeBytes = 4;
    QDataStream in(state);
    // The splitter writes its state with this stream version itself.
    in.setVersion(QDataStream::Qt_5_0);
    qint32 marker = 0;
    qint32 version = 0;
    qint32 count = 0;
    in >> marker >> version >> count;
    if (in.status() != QDataStream::Ok || marker != kMarker || version < 0 || count < 0
        || count > (state.size() - kHeaderBytes) / kSizeBytes)
        return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 size = 0;
        in >> size;
        if (size < 0)
            return false;
    }
    bool childrenCollapsible = false;
    qint32 handleWidth = 0;
    bool opaqueResize = false;
    qint32 orientation = 0;
    in >> childrenCollapsible >> handleWidth >> opaqueResize >> orientation;
    return in.status() == QDataStream::Ok
        && (orientation == Qt::Horizontal || orientation == Qt::Vertical);
}

} // namespace

void CmnRestoreSplitterState(QSplitter *splitter, const QString &key)
{
    if (!splitter)
        return;
    const QByteArray state = QSettings().value(key).toByteArray();
    if (!state.isEmpty() && IsWellFormedSplitterState(state))
        splitter->restoreState(state);
}

void CmnSaveSplitterState(QSplitter *splitter, const QString &key)
{
    if (!splitter)
        return;
    QSettings().setValue(key, splitter->saveState());
}
