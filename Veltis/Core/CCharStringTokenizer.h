#pragma once

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Core {

// Walks the separator-delimited tokens of a string forwards (First, Next) or backwards (Last,
// Previous); every separator splits, so adjacent, leading and trailing separators give empty tokens.
// The tokenizer is its current token. The source must outlive it and stay unchanged during a walk.
class CCharStringTokenizer : public CCharString {
public:
    CCharStringTokenizer(const CCharString& source, char separator);
    // A temporary source would be gone before the first step.
    CCharStringTokenizer(const char* source, char separator) = delete;
    CCharStringTokenizer(CCharString&& source, char separator) = delete;

    void First();
    void Next();
    void Last();
    void Previous();
    bool IsDone() const;
    const CCharString& GetToken() const;

private:
    void End();
    // The source characters first to last; an empty range gives "".
    void TakeToken(int first, int last);

    const CCharString* m_Source;
    char m_Separator;
    int m_Position;
    int m_Direction;
    bool m_Done;
};

} // namespace Core
} // namespace Veltis
