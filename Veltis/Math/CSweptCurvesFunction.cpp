#include "Veltis/Math/CSweptCurvesFunction.h"

#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CSweptValues.h"
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

CSweptCurvesFunction::CSweptCurvesFunction()
    : m_DefaultCurve(new CConstantFunction(0.0f)), m_CurrentIndex(-1), m_Mask(0), m_PointsCount(0),
      m_Duration(0.0f), m_PointsPerSecond(0.0f)
{
}

CSweptCurvesFunction::CSweptCurvesFunction(const CSweptCurvesFunction& other)
    : IBinaryFunction(other), m_DefaultCurve(other.m_DefaultCurve ? other.m_DefaultCurve->Clone() : nullptr),
      m_Curves(other.m_Curves.GetCount()), m_Times(other.m_Times), m_CurrentIndex(other.m_CurrentIndex),
      m_Mask(other.m_Mask), m_PointsCount(other.m_PointsCount), m_Duration(other.m_Duration),
      m_PointsPerSecond(other.m_PointsPerSecond)
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
    const int size = CSweptValues::GetRingSize(n);
    DeleteCurves();
    m_Curves.SetSize(0, true);
    m_Times.SetSize(0, true);
    m_Curves.SetSize(size, true);
    m_Times.SetSize(size, true);
    for (int i = 0; i < size; ++i)
        m_Curves[i] = nullptr;
    m_Mask = size - 1;
    m_CurrentIndex = -1;
    m_PointsCount = 0;
}

void CSweptCurvesFunction::SetDefaultValue(const IFunction& curve)
{
    IFunction* copy = curve.Clone();
    delete m_DefaultCurve;
    m_DefaultCurve = copy;
}

bool CSweptCurvesFunction::HasRing() const
{
    const int size = m_Times.GetCount();
    return size > 0 && m_Curves.GetCount() == size && m_Mask == size - 1;
}

bool CSweptCurvesFunction::AddPoint(float time, const IFunction& curve)
{
    if (!HasRing() || time != time)
        return false;
    if (m_CurrentIndex != -1 && !(time > m_Times[m_CurrentIndex & m_Mask]))
        return false;
    m_CurrentIndex = (m_CurrentIndex + 1) & m_Mask;
    const int size = m_Times.GetCount();
    m_PointsCount = m_PointsCount + 1 < size ? m_PointsCount + 1 : size;
    delete m_Curves[m_CurrentIndex];
    m_Curves[m_CurrentIndex] = curve.Clone();
    m_Times[m_CurrentIndex] = time;
    if (m_PointsCount > 1)
        m_PointsPerSecond = static_cast<float>(m_PointsCount - 1) /
                            (m_Times[m_CurrentIndex] - m_Times[(m_CurrentIndex - m_PointsCount + 1) & m_Mask]);
    return true;
}

float CSweptCurvesFunction::GetValue(float x, float y) const
{
    if (m_PointsCount == 0)
        return m_DefaultCurve->GetValue(y);
    if (x >= 0.0f)
        return m_Curves[m_CurrentIndex & m_Mask]->GetValue(y);
    if (m_PointsCount == 1)
        return m_DefaultCurve->GetValue(y);
    int i = 0;
    float t = 0.0f;
    if (!CSweptValues::FindBracket(m_Times.GetData(), m_Mask, m_CurrentIndex, m_PointsCount, m_PointsPerSecond,
                                   x, i, t))
        return m_DefaultCurve->GetValue(y);
    const float t0 = m_Times[i & m_Mask];
    const float t1 = m_Times[(i + 1) & m_Mask];
    const float w = (t - t0) / (t1 - t0);
    const float b = m_Curves[i & m_Mask]->GetValue(y);
    const float a = m_Curves[(i + 1) & m_Mask]->GetValue(y);
    return (a - b) * w + b;
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
    result = stream.WriteObject("times", Serialization::TVectorSerializer<FloatVector>(&m_Times, "time")) && result;
    result = stream.WriteInt("currentIndex", m_CurrentIndex) && result;
    result = stream.WriteInt("mask", m_Mask) && result;
    result = stream.WriteInt("pointsCount", m_PointsCount) && result;
    result = stream.WriteFloat("duration", m_Duration) && result;
    result = stream.WriteFloat("pointsPerSecond", m_PointsPerSecond) && result;
    result = stream.WriteObject("defaultValue", Serialization::CTypeSerializer(m_DefaultCurve)) && result;
    return result;
}

bool CSweptCurvesFunction::IsConsistent() const
{
    const int size = m_Curves.GetCount();
    if (m_Times.GetCount() != size || size < 2 || (size & (size - 1)) != 0 || m_Mask != size - 1)
        return false;
    // Beyond the ring's shape: evaluation and AddPoint must never index outside the ring, overflow,
    // or evaluate a slot without a curve.
    if (m_PointsCount < 0 || m_PointsCount > size || m_CurrentIndex < -1 || m_CurrentIndex > m_Mask)
        return false;
    if (m_PointsCount > 0 && m_CurrentIndex < 0)
        return false;
    for (int k = 0; k < m_PointsCount; ++k) {
        if (!m_Curves[(m_CurrentIndex - k) & m_Mask])
            return false;
    }
    return true;
}

bool CSweptCurvesFunction::DeSerialize(const Serialization::IReadDataStream& stream)
{
    DeleteCurves();
    m_Curves.SetSize(0, true);
    m_Times.SetSize(0, true);
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
    Serialization::TDynamicVectorDeSerializer<FloatVector> timesReader(&m_Times, "time");
    result = stream.ReadObject("times", timesReader) && result;
    result = stream.ReadInt("currentIndex", m_CurrentIndex) && result;
    result = stream.ReadInt("mask", m_Mask) && result;
    result = stream.ReadInt("pointsCount", m_PointsCount) && result;
    result = stream.ReadFloat("duration", m_Duration) && result;
    result = stream.ReadFloat("pointsPerSecond", m_PointsPerSecond) && result;
    m_DefaultCurve = ReadMember<IFunction>(stream, "defaultValue");
    if (!m_DefaultCurve) {
        m_DefaultCurve = new CConstantFunction(0.0f);
        result = false;
    }
    if (IsConsistent())
        return result;

    m_Times.SetSize(0, true);
    m_Mask = 0;
    m_CurrentIndex = 0;
    m_PointsCount = 0;
    delete m_DefaultCurve;
    m_DefaultCurve = new CConstantFunction(0.0f);
    return false;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CSweptCurvesFunction, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
