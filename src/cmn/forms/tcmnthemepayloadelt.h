#pragma once

#include "cmnformvalueblock.h"
#include "cmnthemeelt.h"

#include <QDataStream>

#include <type_traits>

class CCmnThemedFormBoxGenericLayout;

// A theme element whose payload is one value type with Write, a Read that
// returns false on another tag or version, and equality.
template <typename TPayload>
class TCmnThemePayloadElt : public CCmnThemeElt
{
public:
    explicit TCmnThemePayloadElt(const QString &name, const TPayload &payload = {})
        : CCmnThemeElt(name)
        , m_Payload(payload)
    {
    }

    void Write(QDataStream &out) const override { m_Payload.Write(out); }

    [[nodiscard]] bool Read(QDataStream &in) override
    {
        if (!m_Payload.Read(in))
            CmnFailBlock(in);
        return in.status() == QDataStream::Ok;
    }

    bool IsEqual(const CCmnThemeElt &other) const override
    {
        const auto *same = dynamic_cast<const TCmnThemePayloadElt *>(&other);
        return same && same->m_Payload == m_Payload;
    }

    CCmnThemeElt *Clone() const override { return new TCmnThemePayloadElt(*this); }

    // A payload of box properties, or one that holds a default set of them.
    const CCmnThemedFormBoxGenericLayout *GenericLayout() const override
    {
        if constexpr (std::is_same_v<TPayload, CCmnThemedFormBoxGenericLayout>)
            return &m_Payload;
        else if constexpr (requires(const TPayload &payload) { payload.DefaultLayout(); })
            return &m_Payload.DefaultLayout();
        else
            return nullptr;
    }

    TPayload m_Payload;
};
