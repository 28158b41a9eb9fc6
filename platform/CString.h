#pragma once

// The framework's string: a run of bytes, never converted. It is what dialog
// code assigns, joins and hands to windows.

#include <string>

#include "platform/Types.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: converts like the framework's.
    CString(std::string text) : m_text(std::move(text)) {}   // NOLINT
    CString(const char* bytes, int length) : m_text(bytes, static_cast<std::size_t>(length)) {}

    CString& operator=(const char* text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* text)
    {
        m_text += text ? text : "";
        return *this;
    }
    CString& operator+=(char c)
    {
        m_text += c;
        return *this;
    }

    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const char* b) { return a += b; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

    operator const char*() const { return m_text.c_str(); }  // NOLINT: read like the framework's.
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // Replaces the text with string resource `id`; FALSE, and an empty text,
    // when the program has no such string.
    BOOL LoadString(UINT id);

private:
    std::string m_text;
};
