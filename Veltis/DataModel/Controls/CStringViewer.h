#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseStringViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A read-only string viewer that a skin connects by identifier; it never reports a gesture.
class CStringViewer : public CBaseStringViewer, public virtual Core::TIConnect<CBaseStringViewer::IString> {
public:
    explicit CStringViewer(IString& string) : CBaseStringViewer(string) {}

    void Connect(IString* string) override { CBaseStringViewer::Connect(string); }
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
