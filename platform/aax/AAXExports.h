#pragma once

#include <stdint.h>

#include "platform/aax/IACFUnknown.h"

// The seven entry points a module exports (C linkage), and their types as the host resolves them.
extern "C" {
int32_t ACFRegisterPlugin(IACFUnknown* host, IACFUnknown** definition);
int32_t ACFRegisterComponent(IACFUnknown* host, const ACFIdentifier* componentId, IACFUnknown** component);
int32_t ACFGetClassFactory(IACFUnknown* host, const ACFIdentifier* classId, const ACFIdentifier* iid, void** factory);
int32_t ACFCanUnloadNow(IACFUnknown* host);
int32_t ACFStartup(IACFUnknown* host);
int32_t ACFShutdown(IACFUnknown* host);
int32_t ACFGetSDKVersion(uint64_t* version);
}

typedef int32_t (*ACFRegisterPluginFunction)(IACFUnknown*, IACFUnknown**);
typedef int32_t (*ACFRegisterComponentFunction)(IACFUnknown*, const ACFIdentifier*, IACFUnknown**);
typedef int32_t (*ACFGetClassFactoryFunction)(IACFUnknown*, const ACFIdentifier*, const ACFIdentifier*, void**);
typedef int32_t (*ACFCanUnloadNowFunction)(IACFUnknown*);
typedef int32_t (*ACFStartupFunction)(IACFUnknown*);
typedef int32_t (*ACFShutdownFunction)(IACFUnknown*);
typedef int32_t (*ACFGetSDKVersionFunction)(uint64_t*);
