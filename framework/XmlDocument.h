#pragma once

#include "framework/CString.h"

#include <memory>

// A node of a loaded document: a cheap counted handle that keeps its document
// alive. An empty handle stands for "no node"; walking from it gives empty handles.
// Failures of the document object are raised as CComError.
class CXmlNode {
public:
    struct Impl;

    CXmlNode() = default;
    explicit CXmlNode(std::shared_ptr<const Impl> impl) : m_impl(std::move(impl)) {}

    explicit operator bool() const { return m_impl != nullptr; }

    CXmlNode FirstChild() const;
    CXmlNode NextSibling() const;

    // The node's name: an element's tag name, "#text" and "#comment" for those nodes.
    CString NodeName() const;
    // The text of the node and its descendants, trimmed at both ends.
    CString Text() const;
    // The node's markup, its own start and end tags included.
    CString Xml() const;

private:
    std::shared_ptr<const Impl> m_impl;
};

// The one XML document object of the launcher. Empty until CreateInstance succeeds.
// Documents are read without DTDs or external entities: a document carrying a
// DOCTYPE fails to load.
class CXmlDocument {
public:
    struct Impl;

    CXmlDocument();
    ~CXmlDocument();
    CXmlDocument(CXmlDocument&&) noexcept;
    CXmlDocument& operator=(CXmlDocument&&) noexcept;

    explicit operator bool() const { return m_impl != nullptr; }

    // Creates the document object; the result code of the last call made, negative on failure.
    HRESULT CreateInstance();
    void Release();

    // Loads the file at an ANSI path; FALSE when it is missing, unreadable or not
    // well-formed. A file that declares no encoding, has no byte order mark and is
    // not valid UTF-8 is read in the ANSI code page.
    BOOL Load(const CString& path);

    // The root element of the document last loaded, or an empty handle.
    CXmlNode DocumentElement() const;

private:
    std::unique_ptr<Impl> m_impl;
};
