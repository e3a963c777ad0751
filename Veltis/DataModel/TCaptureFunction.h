#pragma once

#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {

// The writable form of a read-only function object (ConstBase, a TConstCaptureFunction): it starts
// from ConstBase's default function, and every write stores a copy and announces it.
template <class ConstBase, class Function, class IInfo>
class TCaptureFunction : public ConstBase, public virtual TICaptureObject<const Function&, IInfo> {
public:
    TCaptureFunction() : ConstBase(nullptr, 1) {}

    void SetValue(const Function& function) override { this->ReplaceFunction(function); }
    void BeginCapture() override { this->m_Capture.BeginCapture(); }
    void EndCapture() override { this->m_Capture.EndCapture(); }
};

} // namespace DataModel
} // namespace Veltis
