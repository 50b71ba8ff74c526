#pragma once

#include <memory>
#include <vector>

// One item of the automatic parameters; forms may derive their own.
class CCmnThemedFormAutoParam
{
public:
    virtual ~CCmnThemedFormAutoParam() = default;
};

// Parameters that a form view passes through every theme lookup of its forms,
// so that an extension can tune what "automatic" resolves to. It owns its items.
class CCmnThemedFormAutoParams
{
public:
    void Add(std::unique_ptr<CCmnThemedFormAutoParam> item) { m_Items.push_back(std::move(item)); }
    void Clear() { m_Items.clear(); }
    const std::vector<std::unique_ptr<CCmnThemedFormAutoParam>> &Items() const { return m_Items; }

private:
    std::vector<std::unique_ptr<CCmnThemedFormAutoParam>> m_Items;
};
