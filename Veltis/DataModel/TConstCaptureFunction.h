#pragma once

#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {

// The read-only capture object over a function (a curve or a surface): its info record, the held
// function and the gesture state. The function is never null; GetValue returns it until it is next
// replaced. Info is the concrete record that owners fill in place.
template <class Function, class IInfo, class Info>
class TConstCaptureFunction : public TCaptureObjectEvents<TIConstCaptureObject<const Function&, IInfo>> {
public:
    const Function& GetValue() const override { return *m_Function.Get(); }
    const IInfo& GetInfo() const override { return m_Info; }
    const IInfo& GetInfo() override { return m_Info; }
    Info& GetWritableInfo() { return m_Info; }

protected:
    // owned 1: the object deletes the function when it replaces it or dies. A null function
    // selects an owned clone of the fallback.
    TConstCaptureFunction(const Function* function, int owned, const Function& fallback)
        : m_Function(function ? function : fallback.Clone(), function ? owned : 1)
    {
    }

    // Clones before releasing the held function, so that passing the current value is safe; then
    // announces the change, whether or not the function differs.
    void ReplaceFunction(const Function& function)
    {
        m_Function.Set(function.Clone(), 1);
        this->NotifyValueChanged();
    }

private:
    Info m_Info;
    Core::TOwnershipWithClone<const Function> m_Function;
};

} // namespace DataModel
} // namespace Veltis
