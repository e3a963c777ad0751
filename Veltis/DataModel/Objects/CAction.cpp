#include "Veltis/DataModel/Objects/CAction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CAction::CAction(Core::ICommand* command, bool owned) : m_Command(command, owned ? 1 : 0) {}

void CAction::Execute()
{
    if (IsEnabled() && m_Command.Get())
        m_Command.Get()->Execute();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
