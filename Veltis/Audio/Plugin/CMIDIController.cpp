#include "Veltis/Audio/Plugin/CMIDIController.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

CMIDIController::CMIDIController(int inputCount, int outputCount)
    : m_InputCCSettings(inputCount), m_OutputCCSettings(outputCount), m_AutomationSettings(outputCount),
      m_LastMessage(0, 0, 0)
{
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
