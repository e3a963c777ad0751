#pragma once

#include "Veltis/Serialization/IReadWriteDataStream.h"

#include <string>
#include <unordered_map>

class TiXmlElement;

namespace Veltis {
namespace Serialization {

// The data stream over one element of an XML tree. Layout 0 stores each value as a child element
// tagged by its name; layout 1 as a child tagged by its kind with a "name" attribute; layout 2 as an
// attribute (sub-objects are child elements in every layout). Where a key is a tag or an attribute
// name, a key that is not an XML name is stored escaped, so that every key reads back.
class CXmlBaseDataObject : public virtual IReadWriteDataStream {
public:
    CXmlBaseDataObject(TiXmlElement* element, int layout);

    bool ReadBool(const char* name, bool& value) const override;
    bool ReadInt(const char* name, int& value) const override;
    bool ReadFloat(const char* name, float& value) const override;
    bool ReadDouble(const char* name, double& value) const override;
    bool ReadString(const char* name, char*& value) const override;
    bool ReadData(const char* name, void*& data, int& size) const override;
    bool ReadObject(const char* name, IDeSerialize& object) const override;
    ~CXmlBaseDataObject() override;
    virtual bool Exists(const char* name) const;
    bool WriteBool(const char* name, const bool& value) override;
    bool WriteInt(const char* name, const int& value) override;
    bool WriteFloat(const char* name, const float& value) override;
    bool WriteDouble(const char* name, const double& value) override;
    bool WriteString(const char* name, const char* value) override;
    bool WriteData(const char* name, const void* data, int size) override;
    bool WriteObject(const char* name, const ISerialize& object) override;
    virtual bool Remove(const char* name);
    virtual void Clear();

    int GetValueCount() const override;

    int GetLayout() const { return m_Layout; }

protected:
    void SetCurrentElement(TiXmlElement* element)
    {
        m_Element = element;
        InvalidateIndex();
    }
    TiXmlElement* GetCurrentElement() const { return m_Element; }

private:
    // The element or attribute name under which a key is stored; layout 1 keeps keys in values.
    std::string StoredName(const char* name) const;
    // By stored name.
    TiXmlElement* FindChild(const char* name) const;
    // The value text of a name; null when there is no value or it has no text.
    const char* FindText(const char* name) const;
    bool WriteText(const char* name, const char* kindTag, const char* text);
    const char* KeyOf(const TiXmlElement& child) const;
    void AppendChild(TiXmlElement* child);
    void BuildIndex() const;
    void InvalidateIndex() const;

    TiXmlElement* m_Element;
    int m_Layout;
    // First child of each name, built once lookups in a long element would otherwise grow with the
    // square of its length; kept up to date by this stream's own changes of the children.
    mutable std::unordered_map<std::string, TiXmlElement*> m_Index;
    mutable bool m_Indexed;
};

} // namespace Serialization
} // namespace Veltis
