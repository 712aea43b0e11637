#include "framework/win32/Win32.h"

#include "framework/ComError.h"
#include "framework/win32/AnsiText.h"
#include "framework/win32/XmlImpl.h"

namespace {

// One of the node's texts, read through one of its BSTR properties.
template <class Getter> CString ReadText(const CXmlNode::Impl* impl, Getter getter) {
    if (impl == nullptr) {
        return CString();
    }
    CBstr text;
    AfxCheckResult((impl->node.get()->*getter)(text.put()));
    return AfxBstrToAnsi(text.get());
}

} // namespace

void AfxCheckResult(HRESULT hr) {
    if (FAILED(hr)) {
        throw CComError(hr);
    }
}

CXmlNode AfxMakeXmlNode(CComPointer<IXMLDOMNode> node) {
    if (!node) {
        return CXmlNode();
    }
    return CXmlNode(std::make_shared<const CXmlNode::Impl>(CXmlNode::Impl{std::move(node)}));
}

CXmlNode CXmlNode::FirstChild() const {
    if (!m_impl) {
        return CXmlNode();
    }
    CComPointer<IXMLDOMNode> child;
    AfxCheckResult(m_impl->node->get_firstChild(child.put()));
    return AfxMakeXmlNode(std::move(child));
}

CXmlNode CXmlNode::NextSibling() const {
    if (!m_impl) {
        return CXmlNode();
    }
    CComPointer<IXMLDOMNode> sibling;
    AfxCheckResult(m_impl->node->get_nextSibling(sibling.put()));
    return AfxMakeXmlNode(std::move(sibling));
}

CString CXmlNode::NodeName() const {
    return ReadText(m_impl.get(), &IXMLDOMNode::get_nodeName);
}

CString CXmlNode::Text() const {
    return ReadText(m_impl.get(), &IXMLDOMNode::get_text);
}

CString CXmlNode::Xml() const {
    return ReadText(m_impl.get(), &IXMLDOMNode::get_xml);
}
