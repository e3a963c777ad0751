#include "Veltis/Math/CSweptCurvesFunction.h"

#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/ReadMember.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

namespace Veltis {
namespace Math {

CSweptCurvesFunction::CSweptCurvesFunction() : m_DefaultCurve(new CConstantFunction(0.0f)) {}

CSweptCurvesFunction::CSweptCurvesFunction(const CSweptCurvesFunction& other)
    : IBinaryFunction(other), m_DefaultCurve(other.m_DefaultCurve ? other.m_DefaultCurve->Clone() : nullptr),
      m_Curves(other.m_Curves.GetCount()), m_Ring(other.m_Ring)
{
    for (int i = 0; i < other.m_Curves.GetCount(); ++i)
        m_Curves[i] = other.m_Curves[i] ? other.m_Curves[i]->Clone() : nullptr;
}

CSweptCurvesFunction::~CSweptCurvesFunction()
{
    DeleteCurves();
    delete m_DefaultCurve;
}

void CSweptCurvesFunction::DeleteCurves()
{
    for (int i = 0; i < m_Curves.GetCount(); ++i) {
        delete m_Curves[i];
        m_Curves[i] = nullptr;
    }
}

void CSweptCurvesFunction::SetMaxPointsCount(int n)
{
    const int size = m_Ring.Rebuild(n);
    DeleteCurves();
    m_Curves.SetSize(0, true);
    m_Curves.SetSize(size, true);
    for (int i = 0; i < size; ++i)
        m_Curves[i] = nullptr;
}

void CSweptCurvesFunction::SetDefaultValue(const IFunction& curve)
{
    IFunction* copy = curve.Clone();
    delete m_DefaultCurve;
    m_DefaultCurve = copy;
}

bool CSweptCurvesFunction::AddPoint(float time, const IFunction& curve)
{
    const int slot = m_Ring.Advance(time, m_Curves.GetCount());
    if (slot < 0)
        return false;
    delete m_Curves[slot];
    m_Curves[slot] = curve.Clone();
    return true;
}

float CSweptCurvesFunction::GetValue(float x, float y) const
{
    const int pointsCount = m_Ring.GetPointsCount();
    if (pointsCount == 0)
        return m_DefaultCurve->GetValue(y);
    if (x >= 0.0f)
        return m_Curves[m_Ring.GetSlot(0)]->GetValue(y);
    int earlier = 0;
    int later = 0;
    float weight = 0.0f;
    if (pointsCount == 1 || !m_Ring.FindBracket(x, earlier, later, weight))
        return m_DefaultCurve->GetValue(y);
    const float b = m_Curves[earlier]->GetValue(y);
    const float a = m_Curves[later]->GetValue(y);
    return (a - b) * weight + b;
}

bool CSweptCurvesFunction::Serialize(Serialization::IWriteDataStream& stream) const
{
    const int count = m_Curves.GetCount();
    SerializerVector serializers(count);
    for (int i = 0; i < count; ++i)
        serializers[i] = Serialization::CTypeSerializer(m_Curves[i]);

    const int version = 1;
    bool result = stream.WriteInt("version", version);
    result = stream.WriteObject("values", Serialization::TVectorSerializer<SerializerVector>(&serializers, "value")) && result;
    result = m_Ring.WriteTimes(stream) && result;
    result = m_Ring.WriteState(stream) && result;
    return stream.WriteObject("defaultValue", Serialization::CTypeSerializer(m_DefaultCurve)) && result;
}

bool CSweptCurvesFunction::IsConsistent() const
{
    if (!m_Ring.IsConsistent(m_Curves.GetCount()))
        return false;
    // Every held sample must have a curve to evaluate.
    for (int k = 0; k < m_Ring.GetPointsCount(); ++k) {
        if (!m_Curves[m_Ring.GetSlot(k)])
            return false;
    }
    return true;
}

bool CSweptCurvesFunction::DeSerialize(const Serialization::IReadDataStream& stream)
{
    DeleteCurves();
    m_Curves.SetSize(0, true);
    m_Ring.Clear();
    delete m_DefaultCurve;
    m_DefaultCurve = nullptr;

    int version = 0;
    stream.ReadInt("version", version);

    ReaderVector readers;
    Serialization::TDynamicVectorDeSerializer<ReaderVector> curvesReader(&readers, "value");
    bool result = stream.ReadObject("values", curvesReader);
    const int count = readers.GetCount();
    if (result) {
        m_Curves.SetSize(count, true);
        for (int i = 0; i < count; ++i)
            m_Curves[i] = readers[i].GetObject();
    } else {
        for (int i = 0; i < count; ++i)
            delete readers[i].GetObject();
    }
    result = m_Ring.ReadTimes(stream) && result;
    result = m_Ring.ReadState(stream) && result;
    m_DefaultCurve = ReadMember<IFunction>(stream, "defaultValue");
    if (!m_DefaultCurve) {
        m_DefaultCurve = new CConstantFunction(0.0f);
        result = false;
    }
    if (IsConsistent())
        return result;

    // The curves read stay in their slots, where nothing evaluates them, until the ring is rebuilt.
    m_Ring.Reset();
    delete m_DefaultCurve;
    m_DefaultCurve = new CConstantFunction(0.0f);
    return false;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CSweptCurvesFunction, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
