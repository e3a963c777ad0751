#pragma once

#include "Veltis/Audio/Plugin/TMTCaptureObjectFactory.h"
#include "Veltis/Containers/IConstValueVector.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// One factory per output of a kind (strings, curves or surfaces), in the processor's order, owned by
// value. Readers see them through their read-only face; the owner reaches the factories themselves.
template <class V, class IInfo>
class TConstMTCaptureObjectFactories
    : public CoreUtilities::TDynamicCollection<
          TMTCaptureObjectFactory<V, IInfo>, DataModel::TIConstCaptureObjectFactory<V, IInfo>,
          Containers::IVector<DataModel::TIConstCaptureObjectFactory<V, IInfo>>,
          Core::TDynamicVector<TMTCaptureObjectFactory<V, IInfo>, Core::CStepGrowthStrategy,
                               Core::TEqualOperatorCopier<TMTCaptureObjectFactory<V, IInfo>>>> {
public:
    typedef TMTCaptureObjectFactory<V, IInfo> CFactory;

    // Each factory starts with the processor's current value, stored before the lock is in place
    // (nothing listens yet); the lock comes last.
    TConstMTCaptureObjectFactories(const Containers::IConstVector<IInfo>& infos,
                                   const Containers::IConstValueVector<V>& values, Core::ILock* lock)
        : TConstMTCaptureObjectFactories::TDynamicCollection(infos.GetCount())
    {
        const int count = this->GetCount();
        for (int i = 0; i < count; ++i) {
            CFactory& factory = GetFactory(i);
            factory.SetInfo(&infos.GetAt(i));
            factory.SetValue(values.GetValue(i));
            factory.SetLock(lock);
        }
    }

    // Owner access for the publication pass.
    CFactory& GetFactory(int index) { return this->GetStorage()[index]; }
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
