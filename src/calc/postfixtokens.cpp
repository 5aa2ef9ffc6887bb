#include "calc/postfixtokens.h"

#include <algorithm>

void PostfixTokens::append(QByteArrayView token)
{
    const qsizetype start = m_text.size();
    m_text.resize(start + token.size() + 1);
    char *const end = m_text.data() + start;
    std::copy(token.begin(), token.end(), end);
    end[token.size()] = ' ';
    ++m_count;
}

void PostfixTokens::clear()
{
    // resize keeps the capacity of a buffer no copy shares; clear would
    // free it.
    m_text.resize(0);
    m_count = 0;
}
