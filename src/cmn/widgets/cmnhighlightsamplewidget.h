#pragma once

#include "cmnframe.h"
#include "cmnhighlight.h"

#include <QPixmap>
#include <QString>

// A framed sample text painted in a highlight: its font style and text colour,
// over its hatched background, with its decoration image before or after the
// text. The highlight editors show it so that the user sees a choice at once.
class CCmnHighlightSampleWidget : public CCmnFrame
{
    Q_OBJECT
public:
    CCmnHighlightSampleWidget(bool decorationFirst, const QString &sampleText, QWidget *parent = nullptr,
                              Qt::WindowFlags flags = {});

    // Repaints only when the highlight differs from the one shown.
    void SetHighlight(const CCmnHighlight &highlight);
    const CCmnHighlight &Highlight() const { return m_Highlight; }
    bool DecorationFirst() const { return m_DecorationFirst; }
    const QString &SampleText() const { return m_SampleText; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool m_DecorationFirst;
    QString m_SampleText;
    CCmnHighlight m_Highlight;
    // The decoration's image, read when the highlight is set rather than on every
    // paint; null when there is none or it cannot be read.
    QPixmap m_Decoration;
};
