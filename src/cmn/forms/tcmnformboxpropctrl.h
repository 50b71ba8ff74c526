#pragma once

#include "cmnautoormanualctrl.h"
#include "cmndataexchange.h"

// The base of the box property controls: the value the panel edits, reached by
// address, and a copy of the value that applies while the property is automatic.
// While the control is automatic (and offers the choice) a load shows the
// automatic value; a save always writes the widgets into the edited value, and
// the owner looks at the automatic flag to decide what to store.
template <typename T>
class TCmnFormBoxPropCtrl : public CCmnAutoOrManualCtrl
{
public:
    using CCmnAutoOrManualCtrl::CCmnAutoOrManualCtrl;

    T *Value() const { return m_Value; }
    const T &DefaultValue() const { return m_DefaultValue; }

protected:
    void SetValue(T *value, const T &defaultValue)
    {
        m_Value = value;
        m_DefaultValue = defaultValue;
    }

    // The value that the widgets exchange with in this direction.
    T *ExchangedValue(const CCmnDataExchange *context)
    {
        return !context->m_Save && ShowsAutomaticValue() ? &m_DefaultValue : m_Value;
    }

private:
    T *m_Value = nullptr;
    T m_DefaultValue{};
};
