#pragma once

#include "support/CountedObject.h"

#include <gtest/gtest.h>

// A small element interface with a counted implementation, for containers and holders that show their
// elements through an interface, build them from it, or clone them.
namespace VeltisTest {

class IItem {
public:
    virtual int GetValue() const = 0;
    virtual void SetValue(int value) = 0;
    virtual IItem* Clone() const = 0;
    virtual ~IItem() {}
};

class CCountedItem : public IItem, public CCountedObject {
public:
    CCountedItem() {}
    explicit CCountedItem(int value) : CCountedObject(value) {}
    CCountedItem(const CCountedItem& other) : IItem(), CCountedObject(other) {}
    // Built from any item, as a collection's CopyFrom builds its temporary element.
    explicit CCountedItem(const IItem& other) : CCountedObject(other.GetValue()) {}
    CCountedItem& operator=(const CCountedItem& other)
    {
        CCountedObject::operator=(other);
        return *this;
    }

    int GetValue() const override { return m_Value; }
    void SetValue(int value) override { m_Value = value; }
    IItem* Clone() const override { return new CCountedItem(*this); }
};

// Fixture whose tests start with all counters at zero.
class CCountingFixture : public testing::Test {
protected:
    void SetUp() override { CCountedObject::ResetCounters(); }
};

} // namespace VeltisTest
