#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseParamViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A read-only parameter viewer that a skin connects by identifier (meters embed one).
class CParamViewer : public CBaseParamViewer, public virtual Core::TIConnect<CBaseParamViewer::IParam> {
public:
    explicit CParamViewer(IParam& param) : CBaseParamViewer(param) {}

    void Connect(IParam* param) override { CBaseParamViewer::Connect(param); }
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
