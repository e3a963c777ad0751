#pragma once

namespace Veltis {
namespace Layout {

// A row of a table, as its holders see it.
class ITableLayoutRow {
public:
    // Leaves the table, which destroys the row and the cells it owns.
    virtual void Remove() = 0;
    virtual ~ITableLayoutRow() {}
};

} // namespace Layout
} // namespace Veltis
