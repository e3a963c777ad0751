#pragma once

#include "Veltis/Core/CEnable.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/DataModel/Objects/CActionInfo.h"
#include "Veltis/DataModel/Objects/IAction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Wraps a command with an enable flag (on when created) and an empty descriptor its owner names.
// Execute runs the command on the calling thread only when enabled and a command is held.
class CAction : public Core::CEnable, public virtual IAction {
public:
    // owned: the action deletes the command when it is destroyed.
    explicit CAction(Core::ICommand* command = nullptr, bool owned = false);

    void Execute() override;
    const IConstActionInfo& GetInfo() const override { return m_Info; }
    CActionInfo& GetWritableInfo() { return m_Info; }

private:
    CActionInfo m_Info;
    Core::TOwnership<Core::ICommand> m_Command;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
