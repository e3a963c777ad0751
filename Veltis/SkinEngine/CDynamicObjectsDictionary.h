#pragma once

#include "Veltis/Core/TArgEventProvider.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/CoreUtilities/CCharEquals.h"
#include "Veltis/SkinEngine/ISkinDynamicObjectsDictionary.h"

#include <cstddef>
#include <unordered_map>

namespace Veltis {
namespace SkinEngine {

// The dictionary of a skin model: identifier text to dynamic object, owning the objects it is told to
// own. Used on the model's thread only; listeners run inside the operation that notifies them.
class CDynamicObjectsDictionary : public virtual ISkinDynamicObjectsDictionary {
public:
    struct CIdHash {
        std::size_t operator()(const char* id) const;
    };
    typedef Core::TOwnership<Runtime::IDynamicObject> Holder;
    // Keys are the dictionary's own copies (array-new).
    typedef std::unordered_map<const char*, Holder*, CIdHash, CoreUtilities::CCharEquals> CTable;

    struct CDicoConverter {
        static Runtime::IDynamicObject& Convert(CTable::value_type& entry) { return *entry.second->Get(); }
        static const Runtime::IDynamicObject& Convert(const CTable::value_type& entry)
        {
            return *static_cast<const Holder*>(entry.second)->Get();
        }
    };
    struct CDicoConstConverter {
        static const Runtime::IDynamicObject& Convert(const CTable::value_type& entry)
        {
            return *static_cast<const Holder*>(entry.second)->Get();
        }
    };
    struct CIdConverter {
        static const char* Convert(const CTable::value_type& entry) { return entry.first; }
    };

    // log may be null: refusals are then silent.
    explicit CDynamicObjectsDictionary(Core::IMessageLog* log = nullptr);
    ~CDynamicObjectsDictionary() override;
    CDynamicObjectsDictionary(const CDynamicObjectsDictionary&) = delete;
    CDynamicObjectsDictionary& operator=(const CDynamicObjectsDictionary&) = delete;

    // No removed event.
    void Clear() override;
    // A null identifier or object is refused like a taken identifier, without a message.
    bool AddObject(const char* id, Runtime::IDynamicObject* object, int owned) override;
    Runtime::IDynamicObject* DetachObject(const char* id, int* owned) override;
    void RemoveObject(const char* id) override;
    Runtime::IDynamicObject* GetObject(const char* id) override;
    Containers::IIterator<Runtime::IDynamicObject>* GetObjectsIterator() override;
    Containers::IConstIterator<Runtime::IDynamicObject>* GetConstObjectsIterator() const override;
    Containers::IConstValueIterator<const char*>* GetIdsIterator() const override;

    Core::IMessageLog* SetMessageLog(Core::IMessageLog* log) override;
    Core::IMessageLog* GetMessageLog() const override { return m_Log; }
    Core::TIArgEventProvider<Entry&>& GetObjectAddedEvent() override { return m_AddedEvent; }
    Core::TIArgEventProvider<Entry&>& GetObjectRemovedEvent() override { return m_RemovedEvent; }

    int GetCount() const { return static_cast<int>(m_Table.size()); }

private:
    // Notifies the removed event and takes the entry out; the holder is the caller's.
    Holder* TakeOut(const char* id);

    CTable m_Table;
    Core::IMessageLog* m_Log;
    Core::TArgEventProvider<Entry&> m_AddedEvent;
    Core::TArgEventProvider<Entry&> m_RemovedEvent;
};

} // namespace SkinEngine
} // namespace Veltis
