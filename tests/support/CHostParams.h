#pragma once

#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

#include <memory>
#include <vector>

// The host side of a plug-in core for tests, fuzz targets and benchmarks: one plain model parameter
// per descriptor, as the host adapter's parameter objects would be.
namespace VeltisTest {

// Host-side parameter objects over the core's descriptors, each at its default.
template <class I>
class THostParams : public virtual Veltis::Containers::IVector<I> {
public:
    explicit THostParams(const Veltis::Containers::IConstVector<Veltis::DataModel::Objects::IConstParamInfo>& infos)
    {
        for (int i = 0; i < infos.GetCount(); ++i) {
            m_Params.emplace_back(new Veltis::DataModel::Objects::CCaptureParam());
            m_Params.back()->GetWritableInfo().CopyFrom(infos.GetAt(i));
            m_Params.back()->SetValue(infos.GetAt(i).GetDefault());
        }
    }
    int GetCount() const override { return static_cast<int>(m_Params.size()); }
    const I& GetAt(int index) const override { return *m_Params[index]; }
    I& GetAt(int index) override { return *m_Params[index]; }
    Veltis::DataModel::Objects::CCaptureParam& Param(int index) { return *m_Params[index]; }

private:
    std::vector<std::unique_ptr<Veltis::DataModel::Objects::CCaptureParam>> m_Params;
};

typedef THostParams<Veltis::DataModel::TICaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo>>
    CHostInputParams;
typedef THostParams<Veltis::DataModel::TIConstCaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo>>
    CHostOutputParams;

} // namespace VeltisTest
