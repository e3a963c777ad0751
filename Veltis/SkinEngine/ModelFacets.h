#pragma once

#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/IValueChangedEventProvider.h"
#include "Veltis/DataModel/ICollection.h"
#include "Veltis/DataModel/Objects/IConstAction.h"
#include "Veltis/Runtime/FacetIdentifiers.h"
#include "Veltis/SkinEngine/ISkinModel.h"

namespace Veltis {
namespace SkinEngine {

// The facet identifier of each interface a skin model's bundle offers, and the
// kind word that names it in lookup messages.
template <class I> struct TModelFacet;

#define VELTIS_MODEL_FACET(Interface, Id, Kind)                                                                        \
    template <> struct TModelFacet<Interface> {                                                                        \
        static constexpr const char* kId = Id;                                                                         \
        static constexpr const char* kKind = Kind;                                                                     \
    };

VELTIS_MODEL_FACET(DataModel::Objects::IConstParamInfo, Runtime::kConstParamInfoFacetId, "parameter info")
VELTIS_MODEL_FACET(ISkinModel::IParam, Runtime::kParamCaptureFacetId, "parameter")
VELTIS_MODEL_FACET(ISkinModel::ICurve, Runtime::kCurveCaptureFacetId, "curve")
VELTIS_MODEL_FACET(ISkinModel::ISurface, Runtime::kSurfaceCaptureFacetId, "surface")
VELTIS_MODEL_FACET(ISkinModel::IString, Runtime::kStringCaptureFacetId, "string")
VELTIS_MODEL_FACET(DataModel::ICollection, Runtime::kCollectionFacetId, "collection")
VELTIS_MODEL_FACET(ISkinModel::IConstParam, Runtime::kConstParamCaptureFacetId, "read only parameter")
VELTIS_MODEL_FACET(ISkinModel::IConstCurve, Runtime::kConstCurveCaptureFacetId, "read only curve")
VELTIS_MODEL_FACET(ISkinModel::IConstSurface, Runtime::kConstSurfaceCaptureFacetId, "read only surface")
VELTIS_MODEL_FACET(ISkinModel::IConstString, Runtime::kConstStringCaptureFacetId, "read only string")
VELTIS_MODEL_FACET(DataModel::IConstCollection, Runtime::kConstCollectionFacetId, "read only collection")
VELTIS_MODEL_FACET(DataModel::Objects::IConstAction, Runtime::kConstActionFacetId, "action")
VELTIS_MODEL_FACET(Core::IValueChangedEventProvider, Runtime::kValueChangedEventProviderFacetId, "value changed event")
VELTIS_MODEL_FACET(Core::IRefreshTime, Runtime::kRefreshTimeFacetId, "refresh time")

#undef VELTIS_MODEL_FACET

} // namespace SkinEngine
} // namespace Veltis
