#pragma once

#include "Veltis/Containers/INamedAttributes.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharEquals.h"

#include <cstddef>
#include <unordered_map>

namespace Veltis {
namespace Containers {

// The attribute table: owned copies of the names mapped to their values, in hash order.
class CNamedAttributes : public virtual INamedAttributes {
public:
    CNamedAttributes();
    CNamedAttributes(const CNamedAttributes& other);
    // Copies every pair of another table.
    explicit CNamedAttributes(const IConstNamedAttributes& other);
    ~CNamedAttributes() override;
    CNamedAttributes& operator=(const CNamedAttributes&) = delete;

    const char* GetValue(const char* name) const override;
    IConstValueIterator<const char*>* GetNamesIterator() const override;
    IConstValueIterator<const char*>* GetValuesIterator() const override;
    void SetValue(const char* name, const char* value) override;
    void RemoveValue(const char* name) override;
    void Clear() override;

    // Sets every pair of other; with replace false a name already present keeps its value.
    void SetValues(const IConstNamedAttributes& other, bool replace);

    struct CNameHash {
        std::size_t operator()(const char* name) const;
    };
    typedef std::unordered_map<const char*, Core::CCharString, CNameHash, CoreUtilities::CCharEquals> CTable;

    // Iterator converters: an entry's name and its value's text.
    struct CFirstAdapt {
        static const char* Convert(const CTable::value_type& entry) { return entry.first; }
    };
    struct CSecondAdapt {
        static const char* Convert(const CTable::value_type& entry) { return entry.second.GetString(); }
    };

private:
    CTable m_Table;
};

} // namespace Containers
} // namespace Veltis
