#pragma once

#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

class IParamInfo;

// A model string holding a ";"-separated list of enumeration texts: each real change of the text
// makes the list the value texts of one parameter descriptor. The descriptor receives its own copy
// of the converter, so it may outlive the string.
class CParamTextEnumValueBuilderString : public CCaptureString {
public:
    // The descriptor (not owned, may be null) keeps its converter until the first real change.
    explicit CParamTextEnumValueBuilderString(IParamInfo* param);

    // The value of the first text: the descriptor's minimum + 0.5, truncated in float and saturated
    // to int (NaN gives the lowest int).
    static int FirstIndexOf(float min);

protected:
    void StoreValue(const char* text) override;

private:
    CEnumToText m_Converter;
    IParamInfo* m_Param;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
