#include "support/CountedObject.h"

namespace VeltisTest {
int CCountedObject::s_Constructed = 0;
int CCountedObject::s_Destroyed = 0;
int CCountedObject::s_Assigned = 0;
} // namespace VeltisTest
