#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseParamTextViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// The text of a read-only parameter that a skin connects by identifier.
class CParamTextViewer : public CBaseParamTextViewer, public virtual Core::TIConnect<CBaseParamTextViewer::IParam> {
public:
    explicit CParamTextViewer(IParam& param) : CBaseParamTextViewer(param) {}

    void Connect(IParam* param) override { CBaseParamTextViewer::Connect(param); }
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
