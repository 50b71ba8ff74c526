#pragma once

#include <QFrame>

// A label that shows its text over as many lines as its height holds and ends the
// last of them with an ellipsis when text remains, telling whether it had to cut.
// The state is found while painting, so it follows every change of size or font.
class CCmnElidedLabel : public QFrame
{
    Q_OBJECT
public:
    explicit CCmnElidedLabel(QWidget *parent = nullptr);

    QString Text() const { return m_Text; }
    void SetText(const QString &text);
    // Whether the last paint left text out.
    bool IsElided() const { return m_Elided; }
    // One line high: a layout short of room elides the text instead of hiding it.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void elisionChanged(bool elided);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_Elided = false;
    QString m_Text;
};
