#pragma once

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CLinearTaperDelegate.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_IController.h"

namespace VeltisTest {

// Text of a value with "%g"; text to value with strtod.
template <class T> class CPlainDisplay : public AAX_IDisplayDelegate<T> {
public:
    CPlainDisplay* Clone() const override { return new CPlainDisplay(*this); }
    bool ValueToText(T value, AAX_IString* text) const override { return ValueToTextShortened(value, 100, text); }
    bool ValueToTextShortened(T value, int32_t maxLength, AAX_IString* text) const override
    {
        char buffer[64];
        snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
        text->Set(std::string(buffer).substr(0, static_cast<size_t>(maxLength)).c_str());
        return true;
    }
    bool TextToValue(const AAX_IString& text, T* value) const override
    {
        char* end = nullptr;
        const double number = strtod(text.Get(), &end);
        if (end == text.Get())
            return false;
        *value = static_cast<T>(number);
        return true;
    }
};

template <class T> AAX_CParameter<T>* NewParameter(const char* id, const char* name, T minimum, T maximum, T value)
{
    return new AAX_CParameter<T>(id, AAX_CString(name), AAX_CLinearTaperDelegate<T>(minimum, maximum),
                                 CPlainDisplay<T>(), true, value);
}

// The effect-parameters base with its protected parts opened for tests.
class CTestEffectParameters : public AAX_CEffectParameters {
public:
    using AAX_CEffectParameters::ExcludeParameterFromChunk;
    using AAX_CEffectParameters::GetPacketDispatcher;
    using AAX_CEffectParameters::GetParameterManager;
};

// A controller recording every posted packet.
class CRecordingController : public AAX_IController {
public:
    struct SPost {
        uint32_t m_Field;
        std::vector<unsigned char> m_Data;
    };

    int32_t Reserved1(void*) override { return 0; }
    int32_t GetSampleRate(float* rate) const override { return *rate = 48000.0f, 0; }
    int32_t GetInputStemFormat(uint32_t* format) const override { return *format = 0x00010002u, 0; }
    int32_t GetOutputStemFormat(uint32_t* format) const override { return *format = 0x00010002u, 0; }
    int32_t Reserved2(void*) override { return 0; }
    int32_t Reserved3(uint32_t, void*) override { return 0; }
    int32_t Reserved4(void*) override { return 0; }
    int32_t SetSignalLatency(int32_t) override { return 0; }
    int32_t Reserved5(void*, void*, uint32_t) override { return 0; }
    int32_t PostPacket(uint32_t field, const void* data, uint32_t size) override
    {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        m_Posts.push_back(SPost{field, std::vector<unsigned char>(bytes, bytes + size)});
        return m_PostResult;
    }
    int32_t Reserved6(uint32_t, void*, uint32_t) override { return 0; }
    int32_t Reserved7(uint32_t, void*) override { return 0; }
    int32_t Reserved8(uint32_t, void*) override { return 0; }
    int32_t Reserved9(uint32_t) override { return 0; }
    int32_t Reserved10(void*) override { return 0; }
    int32_t Reserved11(uint32_t, void*) override { return 0; }
    int32_t Reserved12(uint32_t) override { return 0; }
    int32_t Reserved13(void*, void*) override { return 0; }
    int32_t Reserved14(void*) override { return 0; }
    int32_t Reserved15(void** out) override { return *out = nullptr, 0; }
    int32_t Reserved16(void*) override { return 0; }

    std::vector<SPost> m_Posts;
    int32_t m_PostResult = 0;
};

} // namespace VeltisTest
