#pragma once

#include "cmnpushbutton.h"
#include "tcmnitemchoices.h"
#include "tcmnitempopup.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

// A checkable button that shows the current value of a palette (an icon and its
// name) and drops down an item popup while it is checked. The instantiation adds
// the signals and slots, makes the icon and creates the popup.
template <typename T>
class TCmnItemButton : public CCmnPushButton
{
public:
    // Flag: the button offers a default entry (the invalid value, shown with the
    // default text).
    static constexpr int kHasDefaultEntry = 4;

    TCmnItemButton(TCmnItemChoices<T> *choices, int flags, const QString &defaultText, QWidget *parent)
        : CCmnPushButton(parent), m_Choices(choices), m_Flags(flags), m_DefaultText(defaultText),
          m_Value()
    {
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        setAutoDefault(false);
        setAutoFillBackground(true);
        setCheckable(true);
        setStyleSheet(QStringLiteral("text-align: left;"));
        if (!m_DefaultText.isEmpty() && (m_Flags & kHasDefaultEntry)) {
            m_Value = T();
            setText(m_DefaultText);
        } else {
            m_Value = m_Choices->DefaultValue();
            setText(m_Choices->ItemText(m_Value));
        }
    }

    // The default text a button is given: entryName when it has a default entry
    // but no text for it.
    static QString DefaultTextFor(int flags, const QString &defaultText, const QString &entryName)
    {
        return defaultText.isEmpty() && (flags & kHasDefaultEntry) ? entryName : defaultText;
    }

    const T &Value() const { return m_Value; }
    TCmnItemChoices<T> *Choices() const { return m_Choices; }
    int Flags() const { return m_Flags; }
    const QString &DefaultText() const { return m_DefaultText; }
    TCmnItemPopup<T> *Popup() const { return m_Popup; }

protected:
    virtual void EmitValueChanged(const T &value) = 0;
    virtual bool IsValidItem(const T &value) const = 0;
    virtual QIcon MakeIcon(const T &value) = 0;

    // The instantiation's constructor hands over its popup, a child of the button.
    void SetPopup(TCmnItemPopup<T> *popup) { m_Popup = popup; }

    void SetValue(const T &value)
    {
        if (value == m_Value)
            return;
        const bool valid = IsValidItem(value);
        if (!valid && m_DefaultText.isEmpty())
            return;

        m_Value = value;
        // A value met for the first time is offered by every button on the
        // palette from now on.
        if (valid && !m_Choices->NoCustom() && m_Choices->IndexOfNamed(value) < 0
            && m_Choices->IndexOfCustom(value) < 0)
            m_Choices->AddCustomValue(value);

        if (valid) {
            setText(m_Choices->ItemText(value));
        } else {
            m_Value = T();
            setText(m_DefaultText);
        }

        m_IconOutOfDate = true;
        // Hiding a popup that is not shown would still take the focus back to
        // the button, so only a shown one is hidden.
        if (m_Popup && m_Popup->isVisible())
            m_Popup->hide();
        repaint();
        EmitValueChanged(value);
    }

    void OpenPopup(bool on)
    {
        if (!on || !m_Popup)
            return;

        m_Popup->Populate(m_Value, style());

        QPoint pos = mapToGlobal(rect().bottomLeft());
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect desktop = screen->virtualGeometry();
            pos.setX(qMax(pos.x(), desktop.left()));
            pos.setY(qMax(pos.y(), desktop.top()));
            const QSize size = m_Popup->sizeHint();
            if (pos.x() + size.width() > desktop.width())
                pos.setX(desktop.width() - size.width());
            if (pos.y() + size.height() > desktop.bottom())
                pos.setY(desktop.bottom() - size.height());
        }

        m_Popup->move(pos);
        clearFocus();
        update();
        m_Popup->setFocus(Qt::PopupFocusReason);
        m_Popup->show();
    }

    void ClosePopup()
    {
        setChecked(false);
        setFocus(Qt::PopupFocusReason);
    }

    void paintEvent(QPaintEvent *event) override
    {
        if (m_IconOutOfDate) {
            m_IconOutOfDate = false;
            const int side = CmnItemCellSide(style());
            if (iconSize() != QSize(side, side))
                setIconSize(QSize(side, side));
            setIcon(MakeIcon(m_Value));
        }
        CCmnPushButton::paintEvent(event);
    }

private:
    TCmnItemChoices<T> *m_Choices;
    int m_Flags;
    QString m_DefaultText;
    T m_Value;
    bool m_IconOutOfDate = true;
    TCmnItemPopup<T> *m_Popup = nullptr;
};
