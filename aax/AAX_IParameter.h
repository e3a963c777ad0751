#pragma once

#include <stdint.h>

#include "aax/AAX_CString.h"

class AAX_IAutomationDelegate;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

// One host parameter as the effect-parameters base sees it: identity, names, the normalised value
// the host automates, steps, text conversion and typed access. The typed readers answer true only
// for the type the parameter holds.
class AAX_IParameter {
public:
    virtual ~AAX_IParameter() = default;

    virtual const char* GetIdentifier() const = 0;
    virtual void SetName(const AAX_CString& name) = 0;
    virtual const AAX_CString& GetName() const = 0;
    virtual void AddShortenedName(const AAX_CString& name) = 0;
    virtual const AAX_CString& GetShortenedName(int32_t maxLength) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool IsAutomatable() const = 0;
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;
    virtual void Touch() = 0;
    virtual void ReleaseTouch() = 0;
    virtual void SetNormalizedValue(double normalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue(double normalizedDefault) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    virtual void SetNumberOfSteps(int32_t steps) = 0;
    virtual int32_t GetNumberOfSteps() const = 0;
    virtual int32_t GetStepValue() const = 0;
    virtual void SetStepValue(int32_t step) = 0;
    virtual bool GetValueString(AAX_CString* text) const = 0;
    virtual bool GetValueString(int32_t maxLength, AAX_CString* text) const = 0;
    virtual bool GetNormalizedValueFromString(const AAX_CString& text, double* normalizedValue) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& text) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxLength, AAX_CString& text) const = 0;
    virtual bool SetValueFromString(const AAX_CString& text) = 0;
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;
    virtual bool SetValueWithBool(bool value) = 0;
    virtual bool SetValueWithInt32(int32_t value) = 0;
    virtual bool SetValueWithFloat(float value) = 0;
    virtual bool SetValueWithDouble(double value) = 0;
    virtual bool SetValueWithString(const AAX_IString& value) = 0;
    virtual void SetType(int32_t type) = 0;
    virtual int32_t GetType() const = 0;
    virtual void SetOrientation(int32_t orientation) = 0;
    virtual int32_t GetOrientation() const = 0;
    virtual void SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool keepRealValue) = 0;
    virtual void SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) = 0;
    virtual void UpdateNormalizedValue(double normalizedValue) = 0;
};
