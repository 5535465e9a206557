#pragma once

#include <QString>

#include <array>

namespace scrivix {

// The preparer's own data, set once and transferred into any document page:
// the attorney and office, and the default place and date.
enum class GlobalDefault {
    AttorneyName,
    BuildingDesignation,
    StreetAddress,
    CityStateZip,
    TelephoneFax,
    EMail,
    SupremeCtRegNo,
    PoliticalSubdivision,
    City,
    County,
    State,
    Month,
    Year,
    Notary,
};

class GlobalDefaults
{
public:
    static constexpr int Count = 14;

    const QString& value(GlobalDefault which) const { return m_values[std::size_t(which)]; }
    void setValue(GlobalDefault which, const QString& text) { m_values[std::size_t(which)] = text; }

    friend bool operator==(const GlobalDefaults&, const GlobalDefaults&) = default;

private:
    std::array<QString, Count> m_values;
};

} // namespace scrivix
