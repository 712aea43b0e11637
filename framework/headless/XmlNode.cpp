#include "framework/XmlDocument.h"

#include "framework/ComError.h"
#include "framework/headless/SilentXmlErrors.h"
#include "framework/headless/TextEncoding.h"
#include "framework/headless/XmlImpl.h"

#include <libxml/xmlsave.h>

namespace {

// Text that the XML library allocated, freed when the object goes.
struct LibraryText {
    explicit LibraryText(xmlChar* text) : bytes(text) {}
    ~LibraryText() { xmlFree(bytes); }
    LibraryText(const LibraryText&) = delete;
    LibraryText& operator=(const LibraryText&) = delete;

    std::string Get() const {
        return bytes != nullptr ? reinterpret_cast<const char*>(bytes) : std::string();
    }

    xmlChar* bytes;
};

struct OutputBufferCloser {
    void operator()(xmlOutputBuffer* buffer) const { xmlOutputBufferClose(buffer); }
};

CXmlNode Handle(const std::shared_ptr<xmlDoc>& document, xmlNode* node) {
    if (node == nullptr) {
        return CXmlNode();
    }
    return CXmlNode(std::make_shared<const CXmlNode::Impl>(CXmlNode::Impl{document, node}));
}

bool IsXmlWhiteSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsXmlWhiteSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsXmlWhiteSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

CString Ansi(const std::string& utf8) {
    return CString(headless::detail::Utf8ToAnsi(utf8));
}

std::string Utf8(const xmlChar* text) {
    return text != nullptr ? reinterpret_cast<const char*>(text) : std::string();
}

} // namespace

CXmlNode CXmlNode::FirstChild() const {
    return m_impl ? Handle(m_impl->document, m_impl->node->children) : CXmlNode();
}

CXmlNode CXmlNode::NextSibling() const {
    return m_impl ? Handle(m_impl->document, m_impl->node->next) : CXmlNode();
}

CString CXmlNode::NodeName() const {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    const xmlNode* node = m_impl->node;
    switch (node->type) {
    case XML_ELEMENT_NODE:
        if (node->ns != nullptr && node->ns->prefix != nullptr) {
            return Ansi(Utf8(node->ns->prefix) + ":" + Utf8(node->name));
        }
        return Ansi(Utf8(node->name));
    case XML_TEXT_NODE:
        return "#text";
    case XML_CDATA_SECTION_NODE:
        return "#cdata-section";
    case XML_COMMENT_NODE:
        return "#comment";
    default:
        return Ansi(Utf8(node->name)); // a processing instruction is named by its target
    }
}

CString CXmlNode::Text() const {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    const LibraryText content(xmlNodeGetContent(m_impl->node));
    return Ansi(Trimmed(content.Get()));
}

CString CXmlNode::Xml() const {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    const headless::detail::SilentXmlErrors silence;
    // Serialised as UTF-8 rather than with character references, so that characters outside
    // ASCII come out as the characters the document object would give.
    const std::unique_ptr<xmlOutputBuffer, OutputBufferCloser> buffer(
        xmlAllocOutputBuffer(nullptr));
    if (!buffer) {
        throw CComError(E_OUTOFMEMORY_RESULT);
    }
    xmlNodeDumpOutput(buffer.get(), m_impl->document.get(), m_impl->node, 0, 0, "UTF-8");
    xmlOutputBufferFlush(buffer.get());
    const auto* bytes = reinterpret_cast<const char*>(xmlOutputBufferGetContent(buffer.get()));
    return Ansi(std::string(bytes, xmlOutputBufferGetSize(buffer.get())));
}
