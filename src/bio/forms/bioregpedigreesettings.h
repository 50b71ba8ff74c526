#pragma once

#include "bioregthemedformwithancestrypanelssettings.h"

#include <QByteArray>

// The pedigree chart's settings: those of the ancestry charts and which of the
// title, details and photo boxes its header shows. A landscape page, the left
// logo on, four generations.
class CBioRegPedigreeSettings : public CBioRegThemedFormWithAncestryPanelsSettings
{
    Q_OBJECT
public:
    explicit CBioRegPedigreeSettings(QObject *parent = nullptr);

    bool operator==(const CBioRegPedigreeSettings &other) const;
    CBioRegPedigreeSettings &operator=(const CBioRegPedigreeSettings &other);

    // The header ornaments, then the boxes shown: each combination keeps its own
    // proportions.
    QString GetHeaderLayout(const CCmnThemedFormBoxNames &names) const override;

    // The ancestry block, then tag 102, version 1, the title switch, the picture
    // switch and the details switch, each of the last two after a presence byte.
    QByteArray ToByteArray() const;
    // False, and nothing changed, on another tag, a version above 1 or a block
    // that ends early.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);
    [[nodiscard]] bool Read(QDataStream &in);

    bool m_ShowTitleBox = true;
    bool m_ShowDetailsBox = true;
    bool m_ShowPictureBox = true;
};
