#include "biotermcomboboxes.h"

#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmncombobox.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int kMaxVisibleItems = 20;

QList<int> Range(int first, int last)
{
    QList<int> codes;
    for (int code = first; code <= last; ++code)
        codes.append(code);
    return codes;
}

CCmnComboBox *NewWordComboBox(const QList<int> &codes, const std::function<QString(int)> &word,
                              const QString &prefix, QWidget *parent)
{
    auto *combo = new CCmnComboBox(parent);
    for (int code : codes) {
        const QString text = word(code);
        if (!text.isEmpty())
            combo->addItem(prefix + text, code);
    }
    combo->setMaxVisibleItems(std::min(combo->count(), kMaxVisibleItems));
    return combo;
}

} // namespace

CCmnComboBox *BioNewSexComboBox(const std::optional<QList<int>> &codes, int flags, const QString &prefix,
                                QWidget *parent)
{
    return NewWordComboBox(codes.value_or(Range(0, 2)), [flags](int sex) { return GetBioSexText(sex, flags); },
                           prefix, parent);
}

CCmnComboBox *BioNewSexFilterComboBox(const std::optional<QList<int>> &codes, int style, const QString &prefix,
                                      QWidget *parent)
{
    return NewWordComboBox(codes.value_or(Range(0, 3)),
                           [style](int filter) { return BioSexFilterText(filter, style); }, prefix, parent);
}

CCmnComboBox *BioNewSpeciesComboBox(const std::optional<QList<int>> &codes, const QString &prefix,
                                    QWidget *parent)
{
    return NewWordComboBox(codes.value_or(Range(0, BioSpeciesCount - 1)), GetSpeciesName, prefix, parent);
}

int BioGetSpeciesFromComboBox(const QComboBox *combo)
{
    if (combo->currentIndex() < 0)
        return 0;
    return std::clamp(combo->currentData().toInt(), 0, int(BioSpeciesCount) - 1);
}
