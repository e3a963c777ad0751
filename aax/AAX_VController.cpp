#include "aax/AAX_VController.h"

#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostController Host;
typedef IAAXHostControllerV2 HostV2;

AAX_VController::AAX_VController(IACFUnknown* controllerUnknown)
{
    if (!controllerUnknown)
        return;
    m_Controller.Query(controllerUnknown, AAXIdentifiers::kController);
    m_ControllerV2.Query(controllerUnknown, AAXIdentifiers::kControllerV2);
}

AAX_VController::~AAX_VController()
{
    m_ControllerV2.Reset();
    m_Controller.Reset();
}

int32_t AAX_VController::Reserved1(void* a) { return Forward([&](Host* h) { return h->Reserved1(a); }); }
int32_t AAX_VController::GetSampleRate(float* sampleRate) const
{
    return Forward([&](Host* h) { return h->GetSampleRate(sampleRate); });
}
int32_t AAX_VController::GetInputStemFormat(uint32_t* format) const
{
    return Forward([&](Host* h) { return h->GetInputStemFormat(format); });
}
int32_t AAX_VController::GetOutputStemFormat(uint32_t* format) const
{
    return Forward([&](Host* h) { return h->GetOutputStemFormat(format); });
}
int32_t AAX_VController::Reserved2(void* a) { return Forward([&](Host* h) { return h->Reserved2(a); }); }
int32_t AAX_VController::Reserved3(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved3(a, b); }); }
int32_t AAX_VController::Reserved4(void* a) { return Forward([&](Host* h) { return h->Reserved4(a); }); }
int32_t AAX_VController::SetSignalLatency(int32_t samples)
{
    return Forward([&](Host* h) { return h->SetSignalLatency(samples); });
}
int32_t AAX_VController::Reserved5(void* a, void* b, uint32_t c) { return Forward([&](Host* h) { return h->Reserved5(a, b, c); }); }
int32_t AAX_VController::PostPacket(uint32_t field, const void* data, uint32_t size)
{
    return Forward([&](Host* h) { return h->PostPacket(field, data, size); });
}
int32_t AAX_VController::Reserved6(uint32_t a, void* b, uint32_t c)
{
    return ForwardV2([&](HostV2* h) { return h->Reserved6(a, b, c); });
}
int32_t AAX_VController::Reserved7(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved7(a, b); }); }
int32_t AAX_VController::Reserved8(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved8(a, b); }); }
int32_t AAX_VController::Reserved9(uint32_t a) { return Forward([&](Host* h) { return h->Reserved9(a); }); }
int32_t AAX_VController::Reserved10(void* a) { return Forward([&](Host* h) { return h->Reserved10(a); }); }
int32_t AAX_VController::Reserved11(uint32_t a, void* b) { return Forward([&](Host* h) { return h->Reserved11(a, b); }); }
int32_t AAX_VController::Reserved12(uint32_t a) { return Forward([&](Host* h) { return h->Reserved12(a); }); }
int32_t AAX_VController::Reserved13(void* a, void* b) { return Forward([&](Host* h) { return h->Reserved13(a, b); }); }
int32_t AAX_VController::Reserved14(void* a) { return ForwardV2([&](HostV2* h) { return h->Reserved14(a); }); }
int32_t AAX_VController::Reserved15(void** out)
{
    if (!m_ControllerV2.Get() && out)
        *out = nullptr;
    return ForwardV2([&](HostV2* h) { return h->Reserved15(out); });
}
int32_t AAX_VController::Reserved16(void* a) { return ForwardV2([&](HostV2* h) { return h->Reserved16(a); }); }
