#include "Veltis/DataModel/Objects/CParamInfo.h"

#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "Veltis/DataModel/Objects/OwnedText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CParamInfo::CParamInfo(int type, const char* name, const char* unit, const char* comment,
                       IParamValueToText* converter, float min, float max, float defaultValue, bool owned)
    : m_Type(type), m_Name(CopyOwnedText(name)), m_Unit(CopyOwnedText(unit)), m_Comment(CopyOwnedText(comment)),
      m_Min(min), m_Max(max), m_Default(defaultValue)
{
    if (converter)
        m_Converter.Set(converter, owned ? 1 : 0);
    else
        m_Converter.Set(CreateDefaultValueToText(type), 1);
}

CParamInfo::CParamInfo(const CParamInfo& other)
    : IConstObjectInfo(), IConstParamInfo(), IObjectInfo(), IParamInfo(), m_Type(other.m_Type),
      m_Name(CopyOwnedText(other.m_Name)), m_Unit(CopyOwnedText(other.m_Unit)),
      m_Comment(CopyOwnedText(other.m_Comment)), m_Min(other.m_Min), m_Max(other.m_Max),
      m_Default(other.m_Default), m_Converter(other.m_Converter.Get()->Clone(), 1)
{
}

CParamInfo::CParamInfo(const IConstParamInfo& other)
    : m_Type(2), m_Name(nullptr), m_Unit(nullptr), m_Comment(nullptr), m_Min(0.0f), m_Max(0.0f), m_Default(0.0f)
{
    const IParamValueToText* converter = other.GetValueToText();
    m_Converter.Set(converter ? converter->Clone() : CreateDefaultValueToText(other.GetType()), 1);
    m_Type = other.GetType();
    m_Min = other.GetMin();
    m_Max = other.GetMax();
    m_Default = other.GetDefault();
    m_Name = CopyOwnedText(other.GetName());
    m_Unit = CopyOwnedText(other.GetUnit());
    m_Comment = CopyOwnedText(other.GetComment());
}

CParamInfo::~CParamInfo()
{
    delete[] m_Name;
    delete[] m_Unit;
    delete[] m_Comment;
}

CParamInfo& CParamInfo::operator=(const CParamInfo& other)
{
    CopyFrom(other);
    return *this;
}

CParamInfo& CParamInfo::operator=(const IConstParamInfo& other)
{
    CopyFrom(other);
    return *this;
}

IParamValueToText* CParamInfo::CreateDefaultValueToText(int type)
{
    const bool whole = type == 0 || type == 1 || type == 3;
    return new CParamValueToText(whole ? "%.0f" : "%.2f", false, "{value}");
}

void CParamInfo::SetType(int type)
{
    if (type == m_Type)
        return;
    m_Type = type;
    Notify();
}

void CParamInfo::SetName(const char* name)
{
    ReplaceOwnedText(m_Name, name);
    Notify();
}

void CParamInfo::SetUnit(const char* unit)
{
    ReplaceOwnedText(m_Unit, unit);
    Notify();
}

void CParamInfo::SetComment(const char* comment)
{
    ReplaceOwnedText(m_Comment, comment);
    Notify();
}

void CParamInfo::SetNumber(float& field, float value)
{
    // An ordered comparison ignores a NaN argument; a NaN already stored is still replaced.
    if (value != value || value == field)
        return;
    field = value;
    Notify();
}

void CParamInfo::SetMin(float min)
{
    SetNumber(m_Min, min);
}

void CParamInfo::SetDefault(float value)
{
    SetNumber(m_Default, value);
}

void CParamInfo::SetMax(float max)
{
    SetNumber(m_Max, max);
}

void CParamInfo::SetValueToText(IParamValueToText* converter, bool owned)
{
    if (converter)
        m_Converter.Set(converter, owned ? 1 : 0);
    else
        m_Converter.Set(CreateDefaultValueToText(m_Type), 1);
    Notify();
}

void CParamInfo::CopyFrom(const IConstParamInfo& other)
{
    ReplaceOwnedText(m_Comment, other.GetComment());
    m_Default = other.GetDefault();
    m_Max = other.GetMax();
    m_Min = other.GetMin();
    ReplaceOwnedText(m_Name, other.GetName());
    m_Type = other.GetType();
    ReplaceOwnedText(m_Unit, other.GetUnit());
    // Cloned before the current one goes: the source's converter may be this record's own.
    const IParamValueToText* converter = other.GetValueToText();
    m_Converter.Set(converter ? converter->Clone() : CreateDefaultValueToText(m_Type), 1);
    Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
