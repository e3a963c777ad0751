#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A stereo list of descriptors built from a mono list: the entries from the first to the last
// per-channel index appear twice, named with " (L)" and then " (R)"; the entries before and after stay
// single. Every element is an independent copy.
template <class TInfo, class TIInfo, class TIVector = Containers::IVector<TIInfo>>
class TMonoToStereoInfo : public CoreUtilities::TDynamicCollection<TInfo, TIInfo, TIVector> {
    typedef CoreUtilities::TDynamicCollection<TInfo, TIInfo, TIVector> Base;

public:
    // last -1 stands for the mono list's final index. Indexes outside the list are brought inside it
    // (first within 0..count, last within first - 1..count - 1), so that no entry is read past the end.
    TMonoToStereoInfo(const Containers::IConstVector<TIInfo>& mono, int first, int last)
    {
        const int count = mono.GetCount();
        m_FirstChannelIndex = first < 0 ? 0 : (first > count ? count : first);
        if (last == -1 || last >= count)
            last = count - 1;
        m_LastChannelIndex = last < m_FirstChannelIndex - 1 ? m_FirstChannelIndex - 1 : last;
        const int perChannel = GetPerChannelCount();

        auto& storage = this->GetStorage();
        storage.SetSize(count + perChannel, true);
        for (int i = 0; i < m_FirstChannelIndex; ++i)
            storage[i] = mono.GetAt(i);
        for (int i = m_FirstChannelIndex; i <= m_LastChannelIndex; ++i) {
            AssignSuffixed(storage[i], mono.GetAt(i), " (L)");
            AssignSuffixed(storage[i + perChannel], mono.GetAt(i), " (R)");
        }
        for (int i = m_LastChannelIndex + 1; i < count; ++i)
            storage[i + perChannel] = mono.GetAt(i);
    }

    TMonoToStereoInfo(const TMonoToStereoInfo& other)
        : Base(other), m_FirstChannelIndex(other.m_FirstChannelIndex), m_LastChannelIndex(other.m_LastChannelIndex)
    {
    }

    int GetFirstChannelIndex() const { return m_FirstChannelIndex; }
    // Resolved: never -1 for a list that has per-channel entries.
    int GetLastChannelIndex() const { return m_LastChannelIndex; }
    int GetPerChannelCount() const { return m_LastChannelIndex - m_FirstChannelIndex + 1; }

private:
    template <class T>
    static void SetSuffixedName(T& target, const char* name, const char* suffix)
    {
        Core::CCharString text(name);
        text.Append(suffix);
        target.SetName(text.GetString());
    }

    // A full copy with the suffixed name.
    template <class T, class TI>
    static void AssignSuffixed(T& target, const TI& source, const char* suffix)
    {
        target = source;
        SetSuffixedName(target, source.GetName(), suffix);
    }

    // A string descriptor is made from name and comment only: its default text is empty.
    static void AssignSuffixed(DataModel::Objects::CStringInfo& target,
                               const DataModel::Objects::IConstStringInfo& source, const char* suffix)
    {
        DataModel::Objects::CStringInfo copy(static_cast<const DataModel::IConstObjectInfo&>(source));
        SetSuffixedName(copy, source.GetName(), suffix);
        target = copy;
    }

    int m_FirstChannelIndex;
    int m_LastChannelIndex;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
