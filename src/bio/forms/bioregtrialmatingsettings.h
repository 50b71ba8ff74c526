#pragma once

#include "bioregthemedformwithancestrypanelssettings.h"

#include <QByteArray>

// The trial-mating chart's settings: those of the ancestry charts and which of
// the title, the parents' photos and the parents' details its header shows. A
// landscape page, the left logo on, only the title shown.
class CBioRegTrialMatingSettings : public CBioRegThemedFormWithAncestryPanelsSettings
{
    Q_OBJECT
public:
    explicit CBioRegTrialMatingSettings(QObject *parent = nullptr);

    bool operator==(const CBioRegTrialMatingSettings &other) const;
    CBioRegTrialMatingSettings &operator=(const CBioRegTrialMatingSettings &other);

    // The header ornaments, then the boxes shown in the order they stand.
    QString GetHeaderLayout(const CCmnThemedFormBoxNames &names) const override;

    // The ancestry block, then tag 104, version 1, the title switch, a marker
    // and both picture switches, a marker and both details switches.
    void Write(QDataStream &out) const;
    [[nodiscard]] bool Read(QDataStream &in);
    QByteArray ToByteArray() const;
    // False, and nothing changed, on another tag, a version above 1 or a block
    // that ends early.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    bool m_ShowTitleBox = true;
    bool m_ShowSirePictureBox = false;
    bool m_ShowDamPictureBox = false;
    bool m_ShowSireDetailsBox = false;
    bool m_ShowDamDetailsBox = false;
};
