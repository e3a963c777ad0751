#include "aax/AAX_VTransport.h"

#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostTransport Host;
typedef IAAXHostTransportV2 HostV2;

AAX_VTransport::AAX_VTransport(IACFUnknown* controllerUnknown)
{
    if (!controllerUnknown)
        return;
    m_Transport.Query(controllerUnknown, AAXIdentifiers::kTransport);
    m_TransportV2.Query(controllerUnknown, AAXIdentifiers::kTransportV2);
}

AAX_VTransport::~AAX_VTransport()
{
    m_TransportV2.Reset();
    m_Transport.Reset();
}

int32_t AAX_VTransport::Reserved1(void* a) const { return Forward([&](Host* h) { return h->Reserved1(a); }); }
int32_t AAX_VTransport::Reserved2(void* a, void* b) const { return Forward([&](Host* h) { return h->Reserved2(a, b); }); }
int32_t AAX_VTransport::Reserved3(void* a) const { return Forward([&](Host* h) { return h->Reserved3(a); }); }
int32_t AAX_VTransport::Reserved4(void* a) const { return Forward([&](Host* h) { return h->Reserved4(a); }); }
int32_t AAX_VTransport::Reserved5(void* a, void* b, void* c) const { return Forward([&](Host* h) { return h->Reserved5(a, b, c); }); }
int32_t AAX_VTransport::Reserved6(void* a) const { return Forward([&](Host* h) { return h->Reserved6(a); }); }
int32_t AAX_VTransport::Reserved7(void* a, void* b) const { return Forward([&](Host* h) { return h->Reserved7(a, b); }); }
int32_t AAX_VTransport::Reserved8(void* a, void* b, void* c, void* d) const
{
    return Forward([&](Host* h) { return h->Reserved8(a, b, c, d); });
}
int32_t AAX_VTransport::Reserved9(void* a) const { return Forward([&](Host* h) { return h->Reserved9(a); }); }
int32_t AAX_VTransport::Reserved10(void* a) const { return Forward([&](Host* h) { return h->Reserved10(a); }); }
int32_t AAX_VTransport::Reserved11(void* a) const { return ForwardV2([&](HostV2* h) { return h->Reserved11(a); }); }
int32_t AAX_VTransport::Reserved12(void* a, void* b) const { return ForwardV2([&](HostV2* h) { return h->Reserved12(a, b); }); }
int32_t AAX_VTransport::Reserved13(void* a, void* b) const { return ForwardV2([&](HostV2* h) { return h->Reserved13(a, b); }); }
