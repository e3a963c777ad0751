#include "Veltis/Containers/TConstVectorAdapter.h"
#include "Veltis/Containers/TVectorAdapter.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

#include "support/CountedItem.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis::Containers;
using Veltis::CoreUtilities::TDynamicCollection;
using VeltisTest::CCountedItem;
using VeltisTest::IItem;

namespace {

// A read-only face of an item, as a vector of writable objects is shown as a vector of read-only ones.
typedef IItem CWritable;
class IReadable {
public:
    virtual int Read() const = 0;
    virtual ~IReadable() {}
};

class CElement : public CCountedItem, public IReadable {
public:
    int Read() const override { return GetValue(); }
};

typedef TDynamicCollection<CElement, CElement> CSource;

// Shows an element through its read-only face.
struct CToReadable {
    static const IReadable& Convert(const CElement& element) { return element; }
    static IReadable& Convert(CElement& element) { return element; }
};

std::vector<int> Values(const IConstVector<IReadable>& vector)
{
    std::vector<int> values;
    for (int i = 0; i < vector.GetCount(); ++i)
        values.push_back(vector.GetAt(i).Read());
    return values;
}

class TVectorAdapterTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_Source.GetStorage().SetSize(6, true);
        for (int i = 0; i < 6; ++i)
            m_Source.GetAt(i).SetValue(i * 10);
    }

    CSource m_Source;
};

TEST_F(TVectorAdapterTest, ShowsTheWholeSourceOrASlice)
{
    struct Case {
        int offset;
        int count;
        std::vector<int> expected;
    };
    const Case kCases[] = {{0, -1, {0, 10, 20, 30, 40, 50}}, {2, 3, {20, 30, 40}}, {0, 0, {}}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.offset << ", " << c.count);
        const TConstVectorAdapter<CElement, IReadable, IConstVector<CElement>, CToReadable> adapter(m_Source, c.offset,
                                                                                                   c.count);
        EXPECT_EQ(Values(adapter), c.expected);
    }
}

TEST_F(TVectorAdapterTest, WholeSourceCountFollowsTheSource)
{
    const TConstVectorAdapter<CElement, IReadable, IConstVector<CElement>, CToReadable> adapter(m_Source);
    m_Source.GetStorage().SetSize(2, false);
    EXPECT_EQ(adapter.GetCount(), 2);
}

TEST_F(TVectorAdapterTest, WritableAdapterReachesTheSourceElements)
{
    TVectorAdapter<CElement, CWritable, IVector<CElement>> adapter(m_Source, 1, 2);
    IVector<CWritable>& vector = adapter;
    vector.GetAt(0).SetValue(7);
    EXPECT_EQ(m_Source.GetAt(1).GetValue(), 7);
    const IVector<CWritable>& constVector = adapter;
    EXPECT_EQ(constVector.GetAt(1).GetValue(), 20);
}

} // namespace
