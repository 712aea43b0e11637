#include "framework/XmlDocument.h"

#include "framework/ComError.h"
#include "framework/headless/Machine.h"
#include "framework/headless/Path.h"
#include "framework/headless/XmlImpl.h"
#include "framework/headless/XmlParse.h"

CXmlDocument::CXmlDocument() = default;
CXmlDocument::~CXmlDocument() = default;
CXmlDocument::CXmlDocument(CXmlDocument&&) noexcept = default;
CXmlDocument& CXmlDocument::operator=(CXmlDocument&&) noexcept = default;

HRESULT CXmlDocument::CreateInstance() {
    m_impl.reset();
    std::optional<HRESULT>& failure = headless::detail::TheMachine().createInstanceFailure;
    if (failure) {
        const HRESULT hr = *failure;
        failure.reset();
        return hr;
    }
    m_impl = std::make_unique<Impl>();
    return 0;
}

void CXmlDocument::Release() {
    m_impl.reset();
}

BOOL CXmlDocument::Load(const CString& path) {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    m_impl->document = headless::detail::ParseXmlFile(headless::detail::ToPosixPath(path.Bytes()));
    return m_impl->document ? TRUE : FALSE;
}

CXmlNode CXmlDocument::DocumentElement() const {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    if (!m_impl->document) {
        return CXmlNode();
    }
    xmlNode* root = xmlDocGetRootElement(m_impl->document.get());
    if (root == nullptr) {
        return CXmlNode();
    }
    return CXmlNode(std::make_shared<const CXmlNode::Impl>(CXmlNode::Impl{m_impl->document, root}));
}
