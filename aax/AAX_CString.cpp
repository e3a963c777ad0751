#include "aax/AAX_CString.h"

#include <locale>
#include <sstream>

AAX_CString::AAX_CString(const char* text) : m_Text(text ? text : "") {}

AAX_CString::AAX_CString(const AAX_IString& other) : m_Text(other.Get()) {}

uint32_t AAX_CString::Length() const { return static_cast<uint32_t>(m_Text.size()); }

uint32_t AAX_CString::MaxLength() const { return 0xFFFFFFFEu; }

void AAX_CString::Set(const char* text) { m_Text = text ? text : ""; }

AAX_IString& AAX_CString::operator=(const AAX_IString& other)
{
    if (&other != this)
        m_Text = other.Get();
    return *this;
}

AAX_IString& AAX_CString::operator=(const char* text)
{
    Set(text);
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_CString& other)
{
    m_Text = other.m_Text;
    return *this;
}

void AAX_CString::Append(const char* text)
{
    if (text)
        m_Text += text;
}

bool AAX_CString::ToDouble(double* value) const
{
    std::istringstream stream(m_Text);
    stream.imbue(std::locale::classic());
    double parsed = 0.0;
    if (!(stream >> parsed)) {
        *value = 0.0;
        return false;
    }
    *value = parsed;
    return true;
}
