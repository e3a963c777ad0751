#pragma once

#include <math.h>
#include <string.h>

#include <atomic>
#include <map>
#include <memory>
#include <type_traits>

#include "aax/AAX_IAutomationDelegate.h"
#include "aax/AAX_IDisplayDelegate.h"
#include "aax/AAX_IParameter.h"
#include "aax/AAX_ITaperDelegate.h"

// A host parameter holding a real value of type T, mapped to the host's normalised value by a taper
// and to text by a display delegate. With an automation delegate a value change becomes a request to
// the host, which answers with UpdateNormalizedValue. The value is read by the audio thread's side of
// the adapter while the main thread writes it, hence relaxed atomics.
template <class T> class AAX_CParameter : public AAX_IParameter {
public:
    AAX_CParameter(const char* identifier, const AAX_CString& name, const AAX_ITaperDelegate<T>& taper,
                   const AAX_IDisplayDelegate<T>& display, bool automatable, T defaultValue)
        : m_Name(name), m_Automatable(automatable ? 1 : 0), m_Taper(taper.Clone()), m_Display(display.Clone()),
          m_Default(defaultValue)
    {
        memset(m_Identifier, 0, sizeof m_Identifier);
        if (identifier)
            strncpy(m_Identifier, identifier, sizeof m_Identifier - 1);
        SetValue(defaultValue);
    }
    ~AAX_CParameter() override = default;
    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;

    const char* GetIdentifier() const override { return m_Identifier; }
    void SetName(const AAX_CString& name) override { m_Name = name; }
    const AAX_CString& GetName() const override { return m_Name; }
    void AddShortenedName(const AAX_CString& name) override
    {
        m_ShortNames[static_cast<int32_t>(name.Length())] = name;
    }
    const AAX_CString& GetShortenedName(int32_t maxLength) const override
    {
        if (m_ShortNames.empty() || static_cast<int64_t>(maxLength) >= static_cast<int64_t>(m_Name.Length()))
            return m_Name;
        auto fitting = m_ShortNames.upper_bound(maxLength);
        if (fitting == m_ShortNames.begin())
            return fitting->second;
        return (--fitting)->second;
    }
    void ClearShortenedNames() override { m_ShortNames.clear(); }
    bool IsAutomatable() const override { return m_Automatable != 0; }
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override
    {
        if (m_Delegate)
            m_Delegate->UnregisterParameter(m_Identifier);
        m_Delegate = delegate;
        if (m_Delegate)
            m_Delegate->RegisterParameter(m_Identifier);
    }
    void Touch() override
    {
        if (m_Delegate)
            m_Delegate->PostTouchRequest(m_Identifier);
    }
    void ReleaseTouch() override
    {
        if (m_Delegate)
            m_Delegate->PostReleaseRequest(m_Identifier);
    }
    void SetNormalizedValue(double normalizedValue) override { SetValue(m_Taper->NormalizedToReal(normalizedValue)); }
    double GetNormalizedValue() const override { return m_Taper->RealToNormalized(GetValue()); }
    void SetNormalizedDefaultValue(double normalizedDefault) override
    {
        m_Default = m_Taper->ConstrainRealValue(m_Taper->NormalizedToReal(normalizedDefault));
    }
    double GetNormalizedDefaultValue() const override { return m_Taper->RealToNormalized(m_Default); }
    void SetToDefaultValue() override { SetValue(m_Default); }
    void SetNumberOfSteps(int32_t steps) override { m_Steps = steps; }
    int32_t GetNumberOfSteps() const override { return m_Steps; }
    int32_t GetStepValue() const override
    {
        if (m_Steps < 2)
            return 0;
        const double step = GetNormalizedValue() / (1.0 / (m_Steps - 1)) + 0.5;
        if (!(step >= 0.0))
            return 0;
        return static_cast<int32_t>(step < m_Steps - 1 ? step : m_Steps - 1);
    }
    void SetStepValue(int32_t step) override
    {
        if (m_Steps < 2)
            return;
        const double normalized = step * (1.0 / (m_Steps - 1));
        SetNormalizedValue(normalized < 0.0 ? 0.0 : (normalized > 1.0 ? 1.0 : normalized));
    }
    bool GetValueString(AAX_CString* text) const override { return m_Display->ValueToText(GetValue(), text); }
    bool GetValueString(int32_t maxLength, AAX_CString* text) const override
    {
        return m_Display->ValueToTextShortened(GetValue(), maxLength, text);
    }
    bool GetNormalizedValueFromString(const AAX_CString& text, double* normalizedValue) const override
    {
        T value = T();
        if (!m_Display->TextToValue(text, &value) || !IsInRange(value))
            return false;
        *normalizedValue = m_Taper->RealToNormalized(value);
        return true;
    }
    bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& text) const override
    {
        const T value = m_Taper->NormalizedToReal(normalizedValue);
        m_Display->ValueToText(value, &text);
        return IsInRange(value);
    }
    bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxLength, AAX_CString& text) const override
    {
        const T value = m_Taper->NormalizedToReal(normalizedValue);
        m_Display->ValueToTextShortened(value, maxLength, &text);
        return IsInRange(value);
    }
    bool SetValueFromString(const AAX_CString& text) override
    {
        T value = T();
        if (!m_Display->TextToValue(text, &value) || !IsFinite(value))
            return false;
        SetValue(value);
        return true;
    }
    bool GetValueAsBool(bool* value) const override { return Read(value); }
    bool GetValueAsInt32(int32_t* value) const override { return Read(value); }
    bool GetValueAsFloat(float* value) const override { return Read(value); }
    bool GetValueAsDouble(double* value) const override { return Read(value); }
    bool GetValueAsString(AAX_IString*) const override { return false; }
    bool SetValueWithBool(bool value) override { return Write(value); }
    bool SetValueWithInt32(int32_t value) override { return Write(value); }
    bool SetValueWithFloat(float value) override { return Write(value); }
    bool SetValueWithDouble(double value) override { return Write(value); }
    bool SetValueWithString(const AAX_IString&) override { return false; }
    void SetType(int32_t type) override { m_Type = type; }
    int32_t GetType() const override { return m_Type; }
    void SetOrientation(int32_t orientation) override { m_Orientation = orientation; }
    int32_t GetOrientation() const override { return m_Orientation; }
    void SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool keepRealValue) override
    {
        const AAX_ITaperDelegate<T>* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taper);
        if (!typed)
            return;
        const double normalized = GetNormalizedValue();
        m_Taper.reset(typed->Clone());
        m_NeedsUpdate.store(true, std::memory_order_relaxed);
        if (keepRealValue)
            SetValue(GetValue());
        else
            UpdateNormalizedValue(normalized);
    }
    void SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) override
    {
        const AAX_IDisplayDelegate<T>* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&display);
        if (!typed)
            return;
        m_Display.reset(typed->Clone());
        if (m_Delegate)
            m_Delegate->PostCurrentValue(m_Identifier, GetNormalizedValue());
    }
    void UpdateNormalizedValue(double normalizedValue) override { Update(normalizedValue, true); }

    // A change of the real value: a request to the host with a delegate, else applied at once.
    void SetValue(T value)
    {
        const double normalized = m_Taper->RealToNormalized(value);
        if (m_Delegate) {
            Touch();
            m_Delegate->PostSetValueRequest(m_Identifier, normalized);
            ReleaseTouch();
        } else {
            m_NeedsUpdate.store(true, std::memory_order_relaxed);
            UpdateNormalizedValue(normalized);
        }
    }
    T GetValue() const { return m_Value.load(std::memory_order_relaxed); }
    const AAX_ITaperDelegate<T>& GetTaperDelegate() const { return *m_Taper; }

protected:
    // The host-side update; without announce the host is not told the current value.
    void Update(double normalizedValue, bool announce)
    {
        const T real = m_Taper->NormalizedToReal(normalizedValue);
        if (m_NeedsUpdate.load(std::memory_order_relaxed) || real != GetValue()) {
            m_Value.store(real, std::memory_order_relaxed);
            if (announce && m_Delegate)
                m_Delegate->PostCurrentValue(m_Identifier, normalizedValue);
        }
        m_NeedsUpdate.store(false, std::memory_order_relaxed);
    }

private:
    static bool IsFinite(T value) { return !std::is_floating_point<T>::value || isfinite(static_cast<double>(value)); }
    bool IsInRange(T value) const
    {
        return IsFinite(value) && value >= m_Taper->GetMinimumValue() && value <= m_Taper->GetMaximumValue();
    }
    template <class U> bool Read(U* out) const
    {
        if constexpr (std::is_same<T, U>::value) {
            *out = GetValue();
            return true;
        }
        return false;
    }
    template <class U> bool Write(U value)
    {
        if constexpr (std::is_same<T, U>::value) {
            SetValue(value);
            return true;
        }
        return false;
    }

    char m_Identifier[32];
    AAX_CString m_Name;
    std::map<int32_t, AAX_CString> m_ShortNames;
    int32_t m_Automatable;
    int32_t m_Steps = 128;
    int32_t m_Type = 1;
    int32_t m_Orientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> m_Taper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> m_Display;
    AAX_IAutomationDelegate* m_Delegate = nullptr;
    std::atomic<bool> m_NeedsUpdate{true};
    std::atomic<T> m_Value{T()};
    T m_Default;
};
