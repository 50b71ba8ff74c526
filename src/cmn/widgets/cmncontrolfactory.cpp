#include "cmncontrolfactory.h"

#include "cmncombobox.h"
#include "cmndoublespinbox.h"
#include "cmnspinbox.h"
#include "cmnstylenames.h"
#include "cmntext.h"
#include "cmntextencoding.h"
#include "cmntoolbutton.h"

#include <QAction>
#include <QFile>
#include <QSet>
#include <QTextCodec>

#include <algorithm>

namespace {

constexpr int kMaxVisibleItems = 20;
constexpr int kToolButtonRepeatMs = 200;

QList<qint32> CodesOrRange(const QList<qint32> *codes, qint32 last)
{
    if (codes)
        return *codes;
    QList<qint32> range;
    for (qint32 code = 0; code <= last; ++code)
        range.append(code);
    return range;
}

// The registry's codec names, each once: several MIB numbers name one codec.
QStringList OrderedCodecNames()
{
    QStringList utf;
    QStringList iso;
    QStringList rest;
    QSet<QString> seen;
    const QList<int> mibs = QTextCodec::availableMibs();
    for (const int mib : mibs) {
        const QTextCodec *codec = QTextCodec::codecForMib(mib);
        if (!codec)
            continue;
        const QString name = QString::fromLatin1(codec->name());
        if (seen.contains(name))
            continue;
        seen.insert(name);
        const QString upper = name.toUpper();
        if (upper.startsWith(QLatin1String("UTF-8")) || upper.startsWith(QLatin1String("UTF-16")))
            utf.append(name);
        else if (upper.startsWith(QLatin1String("ISO-")))
            iso.append(name);
        else
            rest.append(name);
    }
    std::sort(utf.begin(), utf.end());
    std::sort(iso.begin(), iso.end());
    std::sort(rest.begin(), rest.end());
    return utf + iso + rest;
}

} // namespace

CCmnComboBox *CmnNewNamedCodeComboBox(const QList<qint32> *codes, qint32 last,
                                      const std::function<QString(qint32)> &name, const QString &prefix,
                                      QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    for (const qint32 code : CodesOrRange(codes, last)) {
        const QString text = name(code);
        if (!text.isEmpty())
            combo->addItem(prefix + text, code);
    }
    combo->setMaxVisibleItems(qMin(combo->count(), kMaxVisibleItems));
    return combo;
}

CCmnComboBox *CmnNewLetterCaseComboBox(const QList<qint32> *modes, const QString &prefix, QWidget *parent)
{
    return CmnNewNamedCodeComboBox(modes, CmnLetterCaseSentence, CmnLetterCaseName, prefix, parent);
}

CCmnComboBox *CmnNewLengthUnitComboBox(const QList<qint32> *units, qint32 nameStyle, const QString &prefix,
                                       QWidget *parent)
{
    return CmnNewNamedCodeComboBox(
        units, CmnLengthUnitMillimeters, [nameStyle](qint32 unit) { return CmnLengthUnitName(unit, nameStyle); },
        prefix, parent);
}

CCmnComboBox *CmnNewTextEncodingComboBox(QWidget *parent)
{
    const QString localeName = CmnCodecDisplayName(QStringLiteral("LOCALE"));
    const QString utf8 = QStringLiteral("UTF-8");
    auto *combo = new CCmnComboBox(parent);
    for (const QString &name : OrderedCodecNames()) {
        if (name != localeName) {
            combo->addItem(name, name);
            continue;
        }
        // Named apart from the codec itself, which follows as an entry of its own.
        combo->addItem(QStringLiteral("System (%1)").arg(name), QStringLiteral("LOCALE"));
        if (name == utf8)
            combo->addItem(name, name);
    }
    return combo;
}

CCmnComboBox *CmnNewLineEndingComboBox(QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    combo->addItem(QStringLiteral("Linefeed (LF)"), QStringLiteral("LF"));
    combo->addItem(QStringLiteral("Carriage Return (CR)"), QStringLiteral("CR"));
    combo->addItem(QStringLiteral("Carriage Return, Linefeed (CR+LF)"), QStringLiteral("CRLF"));
    combo->addItem(QStringLiteral("Default"), QStringLiteral("LOCALE"));
    return combo;
}

CCmnComboBox *CmnNewBrushStyleComboBox(QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    for (qint32 style = Qt::NoBrush; style <= Qt::DiagCrossPattern; ++style)
        combo->addItem(CmnBrushStyleName(style), style);
    combo->setMaxVisibleItems(combo->count());
    return combo;
}

CCmnComboBox *CmnNewPenStyleComboBox(QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    for (qint32 style = Qt::NoPen; style <= Qt::DashDotDotLine; ++style)
        combo->addItem(CmnPenStyleName(style), style);
    combo->setMaxVisibleItems(combo->count());
    return combo;
}

CCmnSpinBox *CmnNewSpinBox(qint32 minimum, qint32 maximum)
{
    auto *spinBox = new CCmnSpinBox;
    spinBox->setRange(minimum, maximum);
    spinBox->setSingleStep(1);
    return spinBox;
}

CCmnDoubleSpinBox *CmnNewPercentSpinBox(double step, int decimals, double minimum, double maximum,
                                        QWidget *parent)
{
    auto *spinBox = new CCmnDoubleSpinBox(parent);
    // The spin box keeps the range as given and rounds it again whenever the
    // decimals change, so setting them last loses nothing.
    spinBox->setMinimum(minimum * 100);
    spinBox->setMaximum(maximum * 100);
    spinBox->setSingleStep(step * 100);
    spinBox->setSuffix(QStringLiteral("%"));
    spinBox->setDecimals(decimals);
    return spinBox;
}

CCmnToolButton *CmnNewToolButton(const QString &iconBaseName, const QSize &iconSize, const QString &toolTip,
                                 bool checkable, bool autoRepeat, QWidget *parent)
{
    auto *button = new CCmnToolButton(parent);
    button->setToolTip(toolTip);
    button->setCheckable(checkable);
    button->setIcon(CmnToolButtonIcon(iconBaseName));
    button->setIconSize(iconSize);
    if (autoRepeat) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(kToolButtonRepeatMs);
        button->setAutoRepeatInterval(kToolButtonRepeatMs);
    }
    return button;
}

QIcon CmnToolButtonIcon(const QString &iconBaseName)
{
    QIcon icon;
    for (const int size : {24, 32}) {
        const QString file = iconBaseName + QStringLiteral("-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size), QIcon::Normal, QIcon::Off);
    }
    return icon;
}

void CmnSetToolButtonIcon(QAction *action, const QString &name)
{
    action->setIcon(CmnToolButtonIcon(QStringLiteral(":/cmn/toolbuttons/") + name));
}
