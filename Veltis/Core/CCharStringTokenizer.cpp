#include "Veltis/Core/CCharStringTokenizer.h"

namespace Veltis {
namespace Core {

CCharStringTokenizer::CCharStringTokenizer(const CCharString& source, char separator)
    : m_Source(&source), m_Separator(separator), m_Position(0), m_Direction(0), m_Done(false)
{
}

void CCharStringTokenizer::End()
{
    Clear(false);
    m_Direction = 0;
    m_Done = true;
    m_Position = m_Source->GetLength() + 1;
}

void CCharStringTokenizer::TakeToken(int first, int last)
{
    if (last < first)
        Clear(false);
    else
        m_Source->GetSubString(first, last, *this);
}

void CCharStringTokenizer::First()
{
    if (m_Source->GetLength() == 0) {
        End();
        return;
    }
    m_Direction = 1;
    m_Done = false;
    Clear(false);
    m_Position = 0;
    // A leading separator ends an empty first token.
    if (m_Source->GetString()[0] == m_Separator)
        return;
    m_Position = -1;
    Next();
}

void CCharStringTokenizer::Next()
{
    // Only First and Last start a walk again once it has ended.
    if (m_Done)
        return;
    if (m_Direction == -1) {
        // Step over the token the backward walk stands on.
        m_Direction = 1;
        Next();
        if (m_Done)
            return;
    }
    const int length = m_Source->GetLength();
    if (m_Position >= length) {
        End();
        return;
    }
    const char* text = m_Source->GetString();
    int found = m_Position + 1;
    while (found < length && text[found] != m_Separator)
        ++found;
    TakeToken(m_Position + 1, found - 1);
    m_Position = found;
}

void CCharStringTokenizer::Last()
{
    const int length = m_Source->GetLength();
    if (length == 0) {
        End();
        return;
    }
    m_Direction = -1;
    m_Position = length;
    m_Done = false;
    Clear(false);
    Previous();
}

void CCharStringTokenizer::Previous()
{
    if (m_Done)
        return;
    if (m_Direction == 1) {
        m_Direction = -1;
        Previous();
        if (m_Done)
            return;
    }
    if (m_Position < 0) {
        End();
        return;
    }
    if (m_Position == 0) {
        // The empty token in front of a leading separator.
        Clear(false);
        m_Position = -1;
        return;
    }
    const char* text = m_Source->GetString();
    int found = m_Position - 1;
    while (found >= 0 && text[found] != m_Separator)
        --found;
    TakeToken(found + 1, m_Position - 1);
    m_Position = found;
}

bool CCharStringTokenizer::IsDone() const
{
    return m_Done;
}

const CCharString& CCharStringTokenizer::GetToken() const
{
    return *this;
}

} // namespace Core
} // namespace Veltis
