#pragma once

#include <QStyledItemDelegate>

class QTextLayout;

// Draws the cells of item views with attributes that the model gives each cell
// (a text colour, a hatched background, a picture after the text) and shows
// numbers as percentages, fractions, fixed decimals or with thousands separators.
//
// The attributes are a QVariantMap under AttributesRole, keyed by the names below.
// A value of the wrong type is ignored, so a model can leave any of them out.
class CCmnStyledItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Bits of the flags.
    enum EFlag {
        UseWidthSample = 0x1, // every cell text is given at least the width sample's width
        ShowPercent = 0x2,    // values as percentages
        ShowThousands = 0x4,  // integers with thousands separators
        ShowFraction = 0x8,   // values as mixed fractions
    };

    static constexpr int AttributesRole = Qt::UserRole + 100;
    static constexpr const char *TextColorKey = "TEXTCOLOR";   // QColor
    static constexpr const char *HatchStyleKey = "HATCHSTYLE"; // int, a Qt::BrushStyle
    static constexpr const char *HatchColorKey = "HATCHCOLOR"; // QColor; default the pen colour
    static constexpr const char *DecorationKey = "DECORATION"; // QPixmap, drawn after the text

    explicit CCmnStyledItemDelegate(QObject *parent = nullptr);

    qint32 Flags() const { return m_Flags; }
    void SetFlags(qint32 flags) { m_Flags = flags; }
    QString WidthSample() const { return m_WidthSample; }
    void SetWidthSample(const QString &sample) { m_WidthSample = sample; }
    qint32 PercentDecimals() const { return m_PercentDecimals; }
    void SetPercentDecimals(qint32 decimals) { m_PercentDecimals = decimals; }
    qint32 Decimals() const { return m_Decimals; }
    void SetDecimals(qint32 decimals) { m_Decimals = decimals; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;

    // The text the delegate shows for the index with this option.
    virtual QString DisplayTextForIndex(const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const;

private:
    // Where the first line of a cell's text goes.
    struct SCellText
    {
        QRect m_Box;             // the line's box, at least the width sample wide
        qint32 m_TextLeft = 0;   // where the line starts: right-aligned in the box
        qint32 m_TextWidth = 0;
    };

    // Lays the option's text out for the cell's text rectangle: the layout gets
    // the line to draw, the result says where it goes.
    SCellText LayOutCellText(const QStyleOptionViewItem &option, const QRect &textRect,
                             QTextLayout &layout) const;
    void DrawCellText(QPainter *painter, const QStyleOptionViewItem &option,
                      const QRect &textRect, const QPixmap &decoration) const;

    qint32 m_Flags = 0;
    QString m_WidthSample;
    qint32 m_PercentDecimals = 2;
    qint32 m_Decimals = 3;
};
