#pragma once

// The interface identifiers under which model objects publish their facets in dynamic objects, and
// under which widgets, proxies and model wrappers look them up. Constant data, one address each.
namespace Veltis {
namespace Runtime {

// Core::IRefreshTime
inline constexpr char kRefreshTimeFacetId[] = "{27D125AE-F5BF-49a3-BFC1-50C5E94910B9}";
// DataModel::Objects::IConstAction
inline constexpr char kConstActionFacetId[] = "{4C631B07-8FDD-4987-9124-736B79C0F3E0}";
// DataModel::Objects::IConstParamInfo
inline constexpr char kConstParamInfoFacetId[] = "{DFBF1DCC-A091-49ea-A2A0-6A347FDEB201}";

// DataModel::TICaptureObject over a parameter, a curve, a surface and a string.
inline constexpr char kParamCaptureFacetId[] = "{0EDF723E-2CF6-4a83-A57A-8BEA35A7C866}";
inline constexpr char kCurveCaptureFacetId[] = "{AED469E0-03FF-49c1-B1C6-EE8EFB1A691B}";
inline constexpr char kSurfaceCaptureFacetId[] = "{98B642F9-935C-4f63-94FD-66A23E6E11B2}";
inline constexpr char kStringCaptureFacetId[] = "{1D41C51D-D802-4836-BFC9-14D33EDE6974}";

// DataModel::TIConstCaptureObject (read-only) over a parameter, a curve, a surface and a string.
inline constexpr char kConstParamCaptureFacetId[] = "{99671D9A-E4F3-4fd8-BCCD-6F28E23A6B3F}";
inline constexpr char kConstCurveCaptureFacetId[] = "{AAFF14E1-90D5-4e7b-96A5-FB6FE8A42F04}";
inline constexpr char kConstSurfaceCaptureFacetId[] = "{72BCFC64-1048-4321-BA13-3A56808BD2F3}";
inline constexpr char kConstStringCaptureFacetId[] = "{30196F3F-B5D5-4571-930A-83D3F0E32D16}";

// Core::IValueChangedEventProvider
inline constexpr char kValueChangedEventProviderFacetId[] = "{DC3A7CEB-F679-4717-9E05-43AA308C0208}";
// DataModel::IConstCollection and DataModel::ICollection
inline constexpr char kConstCollectionFacetId[] = "{678763D0-382C-4946-A1B9-5F13ACD72127}";
inline constexpr char kCollectionFacetId[] = "{933F7F5A-E9E7-41f1-BD26-D139A3175F33}";

} // namespace Runtime
} // namespace Veltis
