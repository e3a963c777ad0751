#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/IParamValueToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A template with a "{value}" placeholder and a printf format, with optional rounding to significant
// digits and an optional metric suffix (p, µ in UTF-8, m, k, M, G, T). Number text is always in the
// "C" locale. Formats come from skins and are untrusted: one holding anything but a single floating
// conversion (flags, width and precision of at most two digits, any "%%") formats with "%.2f", and
// the expansion of a template stops at the first piece that reaches kMaxTextLength characters.
class CParamValueToText : public virtual IParamValueToText {
public:
    CParamValueToText(const char* format, bool metricSuffix, const char* textTemplate);
    // Copies the settings; the copy has its own, empty change event.
    CParamValueToText(const CParamValueToText& other);
    CParamValueToText& operator=(const CParamValueToText&) = delete;
    ~CParamValueToText() override {}

    void ToText(char** out, float value) const override;
    IParamValueToText* Clone() const override;

    // Appends the value rounded, scaled to its suffix and formatted. NaN prints "nan", infinities
    // "inf" or "-inf" (through the format's flags and width), without rounding or suffix.
    void FormatValue(Core::CCharString& out, float value) const;

    Core::IEventProvider& GetChangedEvent() const { return m_ChangedEvent; }

    // Each stores and notifies only a change; a null text counts as "".
    void SetFormat(const char* format);
    void SetTemplate(const char* textTemplate);
    void SetValueSuffix(bool metricSuffix);
    // 0 or less: no rounding.
    void SetSignificantDigits(int digits);

    // Bounds what a long template and a long format multiply into: a display text, never megabytes.
    static constexpr int kMaxTextLength = 65536;

    // Whether a format is used as given rather than replaced by "%.2f".
    static bool IsSafeFormat(const char* format);

protected:
    // Appends the text of the placeholder name[0..length) ("{value}" braces included); false leaves
    // it to be copied unchanged.
    virtual bool AppendPlaceholder(Core::CCharString& out, const char* name, int length, float value) const;

    // Whether name[0..length) is exactly the placeholder text.
    static bool IsPlaceholder(const char* name, int length, const char* placeholder);

    void NotifyChanged() const { m_ChangedEvent.Notify(); }

private:
    Core::CCharString m_Template;
    Core::CCharString m_Format;
    bool m_MetricSuffix;
    mutable Core::CEventProvider m_ChangedEvent;
    int m_SignificantDigits;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
