#pragma once

#include "Veltis/DataModel/TBaseCaptureObjectLink.h"

namespace Veltis {
namespace DataModel {

// A link that copies the source's value into the target as it is; the target copies what it keeps.
template <class Source, class Target>
class TCaptureObjectLink : public TBaseCaptureObjectLink<Source, Target> {
public:
    TCaptureObjectLink(Source* source, Target* target) : TBaseCaptureObjectLink<Source, Target>(source, target) {}

    void Update() override
    {
        if (this->m_Source && this->m_Target)
            this->m_Target->SetValue(this->m_Source->GetValue());
    }
};

} // namespace DataModel
} // namespace Veltis
