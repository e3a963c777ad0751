#include "Veltis/Containers/IConstIterator.h"
#include "Veltis/Containers/IConstValueIterator.h"
#include "Veltis/Serialization/TStdContainerDeSerializer.h"
#include "Veltis/Serialization/TStdContainerSerializer.h"
#include "Veltis/SkinEngine/CSkinModel.h"

#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace Veltis {
namespace SkinEngine {

namespace {

const char kCountSuffix[] = ".count";
const std::size_t kCountSuffixLength = sizeof(kCountSuffix) - 1;

template <class L>
bool WriteList(Serialization::IWriteDataStream& stream, const char* name, const char* item, const L& list)
{
    return stream.WriteObject(name, Serialization::TStdContainerSerializer<L>(&list, item));
}

template <class L>
bool ReadList(const Serialization::IReadDataStream& stream, const char* name, const char* item, L& list)
{
    Serialization::TStdContainerDeSerializer<typename L::value_type, L> reader(&list, item);
    return stream.ReadObject(name, reader);
}

template <class I> const I* GetFacet(const Runtime::IDynamicObject& bundle)
{
    return static_cast<const I*>(bundle.GetObject(TModelFacet<I>::kId));
}

} // namespace

// ---- CState

bool CSkinModel::CState::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("version", 2);
    result = WriteList(stream, "paramStates", "param", m_Params) && result;
    result = WriteList(stream, "curveStates", "curve", m_Curves) && result;
    result = WriteList(stream, "surfaceStates", "surface", m_Surfaces) && result;
    result = WriteList(stream, "stringStates", "string", m_Strings) && result;
    return WriteList(stream, "collectionCountStates", "collection", m_Counts) && result;
}

bool CSkinModel::CState::DeSerialize(const Serialization::IReadDataStream& stream)
{
    Clear();
    int version = 0;
    if (!stream.ReadInt("version", version))
        version = 0;
    bool result = ReadList(stream, "paramStates", "param", m_Params);
    result = ReadList(stream, "curveStates", "curve", m_Curves) && result;
    result = ReadList(stream, "surfaceStates", "surface", m_Surfaces) && result;
    result = ReadList(stream, "stringStates", "string", m_Strings) && result;
    if (version >= 2)
        result = ReadList(stream, "collectionCountStates", "collection", m_Counts) && result;
    return result;
}

void CSkinModel::CState::Clear()
{
    for (CCurveState& curve : m_Curves)
        curve.DeleteObject();
    for (CSurfaceState& surface : m_Surfaces)
        surface.DeleteObject();
    m_Params.clear();
    m_Curves.clear();
    m_Surfaces.clear();
    m_Strings.clear();
    m_Counts.clear();
}

// ---- Model

void CSkinModel::GetState(CState& state) const
{
    state.Clear();
    std::unique_ptr<Containers::IConstIterator<Runtime::IDynamicObject>> bundles(
        m_PersistentObjects.GetConstObjectsIterator());
    std::unique_ptr<Containers::IConstValueIterator<const char*>> ids(m_PersistentObjects.GetIdsIterator());
    if (!bundles || !ids)
        return;
    // Counts first, so that a restore builds the items before their values arrive.
    for (bundles->First(), ids->First(); !bundles->IsEnd() && !ids->IsEnd(); bundles->Next(), ids->Next()) {
        if (const DataModel::ICollection* collection = GetFacet<DataModel::ICollection>(bundles->GetCurrent()))
            state.m_Counts.emplace_back((std::string(ids->GetCurrent()) + kCountSuffix).c_str(),
                                        collection->GetCount());
    }
    for (bundles->First(), ids->First(); !bundles->IsEnd() && !ids->IsEnd(); bundles->Next(), ids->Next()) {
        const Runtime::IDynamicObject& bundle = bundles->GetCurrent();
        const char* id = ids->GetCurrent();
        if (const IParam* param = GetFacet<IParam>(bundle))
            state.m_Params.emplace_back(id, param->GetValue());
        if (const ICurve* curve = GetFacet<ICurve>(bundle))
            state.m_Curves.emplace_back(id, curve->GetValue().Clone());
        if (const ISurface* surface = GetFacet<ISurface>(bundle))
            state.m_Surfaces.emplace_back(id, surface->GetValue().Clone());
        if (const IConstString* text = GetFacet<IConstString>(bundle))
            state.m_Strings.emplace_back(id, text->GetValue());
    }
}

void CSkinModel::SetState(const CState& state)
{
    Enable(false);
    for (DataModel::IDisconnectAndPause* link : m_Links)
        link->SetPaused(true);
    for (DataModel::IProxyValueUpdate* proxy : m_Proxies)
        proxy->Update();

    CDynamicObjectsDictionary& persistent = m_PersistentObjects;
    for (const CState::CCountState& item : state.m_Counts) {
        // Saved states come from presets and hosts: only well-formed names and counts are applied.
        const std::size_t length = std::strlen(item.GetName());
        if (length < kCountSuffixLength ||
            std::strcmp(item.GetName() + length - kCountSuffixLength, kCountSuffix) != 0 || item.GetValue() < 0)
            continue;
        const std::string id(item.GetName(), length - kCountSuffixLength);
        DataModel::ICollection* collection = FindObject<DataModel::ICollection>(persistent, id.c_str(), false);
        if (collection && collection->GetCount() != item.GetValue())
            collection->SetCount(item.GetValue());
    }

    std::set<std::string> unmentioned;
    {
        std::unique_ptr<Containers::IConstValueIterator<const char*>> ids(persistent.GetIdsIterator());
        for (ids->First(); !ids->IsEnd(); ids->Next())
            unmentioned.insert(ids->GetCurrent());
    }
    for (const auto& item : state.m_Params)
        unmentioned.erase(item.GetName());
    for (const auto& item : state.m_Curves)
        unmentioned.erase(item.GetName());
    for (const auto& item : state.m_Surfaces)
        unmentioned.erase(item.GetName());
    for (const auto& item : state.m_Strings)
        unmentioned.erase(item.GetName());
    for (const auto& item : state.m_Counts)
        unmentioned.erase(item.GetName());
    for (const std::string& id : unmentioned) {
        if (IParam* param = FindObject<IParam>(persistent, id.c_str(), false))
            param->SetValue(param->GetInfo().GetDefault());
        if (ICurve* curve = FindObject<ICurve>(persistent, id.c_str(), false))
            curve->SetValue(curve->GetInfo().GetDefaultFunction());
        if (IString* text = FindObject<IString>(persistent, id.c_str(), false))
            text->SetValue(text->GetInfo().GetDefaultValue());
    }

    for (const auto& item : state.m_Params)
        if (IParam* param = FindObject<IParam>(persistent, item.GetName(), false))
            param->SetValue(item.GetValue());
    for (const auto& item : state.m_Curves)
        if (ICurve* curve = FindObject<ICurve>(persistent, item.GetName(), false))
            if (item.GetObject())
                curve->SetValue(*item.GetObject());
    for (const auto& item : state.m_Surfaces)
        if (ISurface* surface = FindObject<ISurface>(persistent, item.GetName(), false))
            if (item.GetObject())
                surface->SetValue(*item.GetObject());
    for (const auto& item : state.m_Strings)
        if (IString* text = FindObject<IString>(persistent, item.GetName(), false))
            text->SetValue(item.GetValue());

    for (DataModel::IDisconnectAndPause* link : m_Links)
        link->SetPaused(false);
    Enable(true);
}

bool CSkinModel::Serialize(Serialization::IWriteDataStream& stream) const
{
    CState state;
    GetState(state);
    return stream.WriteObject("state", state);
}

bool CSkinModel::DeSerialize(const Serialization::IReadDataStream& stream)
{
    CState state;
    if (!stream.ReadObject("state", state))
        return false;
    SetState(state);
    return true;
}

} // namespace SkinEngine
} // namespace Veltis
