#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The evaluator's postfix list, kept as one text with a blank after every
// token: a blank never survives the text checks, so no token holds one, and
// one buffer serves evaluation after evaluation instead of one allocation
// per token.
class PostfixTokens
{
public:
    // Walks the tokens for a range-based for.
    class Iterator
    {
    public:
        Iterator(const char *token, const char *end) : m_token(token), m_end(end) { findBlank(); }

        QByteArrayView operator*() const { return QByteArrayView(m_token, m_blank); }
        Iterator &operator++()
        {
            m_token = m_blank + 1;
            findBlank();
            return *this;
        }
        bool operator==(const Iterator &other) const { return m_token == other.m_token; }

    private:
        // Tokens are a few bytes long: a plain loop beats a library search.
        void findBlank()
        {
            m_blank = m_token;
            while (m_blank < m_end && *m_blank != ' ')
                ++m_blank;
        }

        const char *m_token = nullptr;
        const char *m_blank = nullptr;
        const char *m_end = nullptr;
    };

    Iterator begin() const { return Iterator(m_text.cbegin(), m_text.cend()); }
    Iterator end() const { return Iterator(m_text.cend(), m_text.cend()); }
    qsizetype size() const { return m_count; }

    void append(QByteArrayView token);
    // Keeps the buffer for the next tokens.
    void clear();

private:
    QByteArray m_text;
    qsizetype m_count = 0;
};
