#include "Veltis/DataModel/Objects/CMultipleCaptureCurveLink.h"

#include "Veltis/Math/TFunctionsOperation.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CMultipleCaptureCurveLink::CMultipleCaptureCurveLink()
    : m_Operation(new Math::TFunctionsOperation<&Math::FunctionsLibrary::Sum>(0, 1))
{
}

CMultipleCaptureCurveLink::~CMultipleCaptureCurveLink()
{
    delete m_Operation;
}

void CMultipleCaptureCurveLink::Update(ConstCurve* changed)
{
    m_Operation->SetCount(static_cast<int>(m_Sources.size()));
    int index = 0;
    for (CItem& item : m_Sources)
        m_Operation->SetFunction(index++, item.m_Source->GetValue().Clone());
    for (size_t i = 0; i < m_Targets.size(); ++i)
        if (!IsSame(m_Targets[i], changed))
            m_Targets[i]->SetValue(*m_Operation);
    m_Operation->SetCount(0);
}

void CMultipleCaptureCurveLink::SetMuxFunction(const Operation& operation)
{
    // A copy of an aggregate owns clones of the functions it holds.
    Operation* copy = dynamic_cast<Operation*>(operation.Clone());
    if (!copy)
        return;
    copy->SetCount(0);
    delete m_Operation;
    m_Operation = copy;
    if (CanUpdateOnSetting())
        Update(nullptr);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
