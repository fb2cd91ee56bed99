#pragma once
// Field types of the tables. Every field may be unset; an unset number reads
// as 0, an unset boolean as false and an unset text as "". A text field keeps
// at most its width in characters: longer texts are cut when stored.
#include <optional>

#include <QString>

namespace vexoria {

using IntField = std::optional<int>;
using BoolField = std::optional<bool>;

inline int val(const IntField& f) { return f.value_or(0); }
inline bool val(const BoolField& f) { return f.value_or(false); }

template <int Width>
class TextField {
public:
    TextField() = default;
    TextField(const QString& s) { assign(s); }                 // NOLINT: plain assignment from text
    TextField(const char* s) { assign(QString::fromUtf8(s)); } // NOLINT
    TextField& operator=(const QString& s)
    {
        assign(s);
        return *this;
    }
    TextField& operator=(const char* s)
    {
        assign(QString::fromUtf8(s));
        return *this;
    }
    TextField& operator+=(const QString& s)
    {
        assign(str() + s);
        return *this;
    }
    bool operator==(const QString& s) const { return str() == s; }
    bool operator==(const char* s) const { return str() == QString::fromUtf8(s); }
    bool operator==(const TextField& o) const { return m_v == o.m_v; }

    QString str() const { return m_v.value_or(QString()); }
    const std::optional<QString>& opt() const { return m_v; }
    bool isSet() const { return m_v.has_value(); }
    void reset() { m_v.reset(); }
    static constexpr int width = Width;

private:
    void assign(const QString& s) { m_v = s.left(Width); }
    std::optional<QString> m_v;
};

template <int W>
inline QString val(const TextField<W>& f)
{
    return f.str();
}

} // namespace vexoria
