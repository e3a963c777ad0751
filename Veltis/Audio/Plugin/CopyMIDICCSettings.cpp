#include "Veltis/Audio/Plugin/CopyMIDICCSettings.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

void CopyMIDICCSettings(const Containers::IConstVector<IMIDICCSetting>& source,
                        Containers::IVector<IMIDICCSetting>& target)
{
    const int sourceCount = source.GetCount();
    const int targetCount = target.GetCount();
    const int count = sourceCount < targetCount ? sourceCount : targetCount;
    for (int i = 0; i < count; ++i) {
        const IMIDICCSetting& from = source.GetAt(i);
        IMIDICCSetting& to = target.GetAt(i);
        to.SetChannel(from.GetChannel());
        to.Enable(from.IsEnabled());
        to.SetNumber(from.GetNumber());
        to.SetCurve(from.GetCurve());
        to.SetMax(from.GetMax());
        to.SetMin(from.GetMin());
    }
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
